#include "TestFrames.h"
#include "analysis/Calculate.h"
#include "analysis/Stages.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr auto none = std::nullopt; // an entry that must stay empty
using Members = std::array<std::optional<double>, 4>;

/// Members 1..4 of one joint: exactly the listed values, empty where `none`.
void ExpectMembers(const MemberTable& table, int joint, const Members& expected) {
    for (int m = 1; m <= MemberCount; ++m) {
        SCOPED_TRACE("member " + std::to_string(m) + " of joint " + std::to_string(joint));
        ASSERT_EQ(table[joint][m].isEmpty(), !expected[m - 1].has_value());
        if (expected[m - 1]) {
            EXPECT_EQ(table[joint][m].value(), *expected[m - 1]);
        }
    }
}

TEST(JointPreparation, RotationFactorsAndInitialMoment) {
    FrameModel model = SetUpTestFrame("2", "3");
    StoreJoint(model, 5, {1, 2, 3, 4}, 10, -4); // joint 6 is never entered
    ASSERT_EQ(PrepareJoints(model), std::nullopt);
    EXPECT_EQ(model.Q[5].value(), 20);
    EXPECT_EQ(model.MRot0[5].value(), 0.3); // +(M1 + M2) / Q, no change of sign
    EXPECT_EQ(model.MRotWork[5].value(), 0.3);
    ExpectMembers(model.Y, 5, {-0.05, -0.1, -0.15, -0.2});
    // A joint without stiffness gets written zeros and no division.
    EXPECT_TRUE(model.Q[6] == 0 && model.MRot0[6] == 0 && model.MRotWork[6] == 0);
    EXPECT_FALSE(model.MRot0[6].isEmpty());
    ExpectMembers(model.Y, 6, {0, 0, 0, 0});
    // Only the joints of floors 1..F: not the base, nothing beyond the top.
    for (int j : {0, 1, 2, 3, 10}) {
        EXPECT_TRUE(model.Q[j].isEmpty() && model.MRot0[j].isEmpty()) << j;
        ExpectMembers(model.Y, j, {none, none, none, none});
    }
}

TEST(StoreySway, SwayFactorsAndStoreyMoment) {
    struct {
        std::array<double, 3> k3, swayFactor;
        double floorM0; // with M(0) = 0.5, 0.25, -0.5 over base joints
    } const rows[] = {{{1, 2, 3}, {-0.25, -0.5, -0.75}, 0.125}, {{0, 7, 0}, {0, -1.5, 0}, -0.375}};
    for (const auto& row : rows) {
        FrameModel model = SetUpTestFrame("1", "3");
        for (int i = 0; i < 3; ++i) {
            model.K[4 + i][3] = row.k3[i];
            model.MRot0[4 + i] = std::array{0.5, 0.25, -0.5}[i];
        }
        ASSERT_EQ(ComputeStoreySway(model), std::nullopt);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(model.SwayFactor[4 + i][1].value(), row.swayFactor[i]) << row.k3[0];
        }
        EXPECT_EQ(model.FloorM0[1].value(), row.floorM0);
    }
}

// The whole analysis of the one-floor, two-column frame, worked by hand.
TEST(Analysis, OneFloorTwoColumnsByHand) {
    FrameModel model = OneFloorTwoColumns();
    ASSERT_EQ(RunAnalysis(model), std::nullopt);
    EXPECT_TRUE(model.MRot0[3] == 1 && model.MRot0[4] == -1);
    ExpectMembers(model.Y, 3, {0, -0.25, -0.25, 0});
    ExpectMembers(model.Y, 4, {-0.25, 0, -0.25, 0});
    // The last joint already sees the swept value of joint 3.
    EXPECT_EQ(model.MRot1[3].value(), 1.25);
    EXPECT_EQ(model.MRot1[4].value(), -1.3125);
    EXPECT_TRUE(model.MRot1[1].isEmpty() && model.MRot1[2].isEmpty());
    ExpectMembers(model.ST, 3, {none, 0.25, 0, none});
    ExpectMembers(model.ST, 4, {-0.3125, none, 0, none});
    EXPECT_EQ(model.FloorM1[1].value(), 0.046875);
    ExpectMembers(model.EndM, 3, {none, -5.625, 5, none});
    ExpectMembers(model.EndM, 4, {5.25, none, -5.25, none});
    // Joint 3 is out of balance by -0.625; joint 4 balances exactly.
    ExpectMembers(model.CM, 3, {0, -5.3125, 5.3125, 0});
    ExpectMembers(model.CM, 4, {5.25, 0, -5.25, 0});
}

// Two storeys: the first joint of floor 1 takes the storey moment (0) of floor 2.
TEST(Analysis, TwoFloorsTwoColumnsStageByStage) {
    FrameModel model = TwoFloorsTwoColumns();
    ASSERT_EQ(PrepareJoints(model), std::nullopt);
    ASSERT_EQ(ComputeStoreySway(model), std::nullopt);
    const double mRot0[] = {1, -0.5, 1, -0.5};
    for (int j = 3; j <= 6; ++j) {
        EXPECT_EQ(model.MRot0[j].value(), mRot0[j - 3]);
        EXPECT_EQ(model.SwayFactor[j][j <= 4 ? 1 : 2].value(), -0.75);
    }
    EXPECT_EQ(model.FloorM0[1].value(), -0.375);
    EXPECT_EQ(model.FloorM0[2].value(), -0.75);
    ASSERT_EQ(RunFirstCycle(model), std::nullopt);
    const double swept[] = {1.09375, -0.7109375, 0.8515625, -0.53515625};
    for (int j = 3; j <= 6; ++j) {
        EXPECT_EQ(model.MRotWork[j].value(), swept[j - 3]);
    }
    ExpectMembers(model.ST, 3, {none, 0.125, 0, -0.125}); // ST4 without the storey moment
    ExpectMembers(model.ST, 4, {-0.2734375, none, 0, 0.0625});
    ExpectMembers(model.ST, 5, {none, 0.125, -0.2734375, none});
    ExpectMembers(model.ST, 6, {-0.212890625, none, 0.177734375, none});
    ASSERT_EQ(SnapshotFirstCycle(model), std::nullopt);
    ASSERT_EQ(ComputeEndMoments(model), std::nullopt);
    // Member 1 never at a first joint, 2 never at a last joint, 4 never on the top floor.
    const bool formed[4][4] = {{0, 1, 1, 1}, {1, 0, 1, 1}, {0, 1, 1, 0}, {1, 0, 1, 0}};
    for (int j = 3; j <= 6; ++j) {
        for (int m = 1; m <= 4; ++m) {
            EXPECT_NE(model.EndM[j][m].isEmpty(), formed[j - 3][m - 1]) << j << "," << m;
        }
    }
}

TEST(FirstCycleSnapshot, StoreyMomentIncludesTheFloorBelow) {
    FrameModel model = SetUpTestFrame("2", "3");
    for (int i = 0; i < 3; ++i) {
        model.SwayFactor[7 + i][2] = std::array{-0.25, -0.5, -0.75}[i];
        model.MRotWork[7 + i] = std::array{0.4, 0.2, -0.4}[i];
        model.MRotWork[4 + i] = std::array{0.1, 0.0, 0.2}[i];
    }
    ASSERT_EQ(SnapshotFirstCycle(model), std::nullopt);
    EXPECT_DOUBLE_EQ(model.FloorM1[2].value(), -0.075);
    EXPECT_TRUE(model.MRot1[9] == -0.4 && model.MRot1[3].isEmpty());
}

TEST(JointBalance, UnbalanceSharedByStiffness) {
    FrameModel model = SetUpTestFrame("1", "2");
    for (int m = 1; m <= 4; ++m) {
        model.EndM[3][m] = std::array{2.0, -5.0, 1.0, 0.0}[m - 1];
        model.K[3][m] = std::array{1.0, 1.0, 2.0, 0.0}[m - 1];
    }
    ASSERT_EQ(BalanceJoints(model), std::nullopt);
    ExpectMembers(model.CM, 3, {2.5, -4.5, 2, 0});
    ExpectMembers(model.CM, 4, {0, 0, 0, 0}); // no members, no loads: balanced, no division
}

} // namespace
