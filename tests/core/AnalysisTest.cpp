#include "TestFrames.h"
#include "analysis/Calculate.h"
#include "analysis/Stages.h"
#include "report/BayResults.h"
#include "report/ReportText.h"

#include <optional>

namespace {

constexpr auto none = std::nullopt; // an entry that must stay empty
using Members = std::array<std::optional<double>, 4>;

/// Cells first, first + 1, ... of a table row: exactly these values, empty where `none`.
template <std::size_t N>
void ExpectCells(const std::array<Cell, N>& cells, std::size_t first,
                 const std::vector<std::optional<double>>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(cells[first + i].isEmpty(), !values[i]) << "at " << first + i;
        EXPECT_EQ(cells[first + i].value(), values[i].value_or(0)) << "at " << first + i;
    }
}

/// Members 1..4 of joints first, first + 1, ...: exactly these values, empty where `none`.
void ExpectMembers(const MemberTable& table, int first, const std::vector<Members>& joints) {
    for (std::size_t i = 0; i < joints.size(); ++i) {
        SCOPED_TRACE("members of joint " + std::to_string(first + i));
        ExpectCells(table[first + i], 1, {joints[i].begin(), joints[i].end()});
    }
}

// The whole analysis of the one-floor, two-column frame, worked by hand.
TEST(Analysis, OneFloorTwoColumnsByHand) {
    FrameModel model = OneFloorTwoColumns();
    ASSERT_EQ(RunAnalysis(model), std::nullopt);
    ExpectCells(model.MRot0, 3, {1, -1});
    ExpectMembers(model.Y, 3, {{0, -0.25, -0.25, 0}, {-0.25, 0, -0.25, 0}});
    // Joint 4 already sees the swept value of joint 3; the base joints stay empty.
    ExpectCells(model.MRot1, 1, {none, none, 1.25, -1.3125});
    ExpectMembers(model.ST, 3, {{none, 0.25, 0, none}, {-0.3125, none, 0, none}});
    ExpectCells(model.FloorM1, 1, {0.046875});
    ExpectMembers(model.EndM, 3, {{none, -5.625, 5, none}, {5.25, none, -5.25, none}});
    // Joint 3 is out of balance by -0.625; joint 4 balances exactly.
    ExpectMembers(model.CM, 3, {{0, -5.3125, 5.3125, 0}, {5.25, 0, -5.25, 0}});
}

// Two storeys, first cycle: the first joint of floor 1 takes the storey moment
// (0) of floor 2, and floor 2's storey moments count the M(0) and M(1) below.
TEST(Analysis, TwoFloorsTwoColumnsByHand) {
    FrameModel model = SetUpTestFrame("2", "2");
    StoreJoint(model, 3, {0, 2, 1, 1}, 0, 8);
    StoreJoint(model, 4, {2, 0, 1, 1}, -4, 0);
    StoreJoint(model, 5, {0, 1, 1, 0}, 0, 4);
    StoreJoint(model, 6, {1, 0, 1, 0}, -2, 0);
    for (auto stage : {PrepareJoints, ComputeStoreySway, RunFirstCycle, SnapshotFirstCycle}) {
        ASSERT_EQ(stage(model), std::nullopt);
    }
    ExpectCells(model.MRot0, 3, {1, -0.5, 1, -0.5});
    ExpectCells(model.FloorM0, 1, {-0.375, -0.75});
    ExpectCells(model.MRot1, 3, {1.09375, -0.7109375, 0.8515625, -0.53515625});
    ExpectCells(model.FloorM1, 1, {-0.287109375, -0.5244140625});
    // ST4 of joint 3 without the storey moment; ST only where the member exists.
    ExpectMembers(model.ST, 3, {{none, 0.125, 0, -0.125}, {-0.2734375, none, 0, 0.0625}});
    ExpectMembers(model.ST, 5,
                  {{none, 0.125, -0.2734375, none}, {-0.212890625, none, 0.177734375, none}});
}

// Bay 1 of floor 1 spans joints 3 and 4, where CM(3, 2) = -20 and CM(4, 1) = 25.
TEST(BayResults, ReactionsAndMidspanMomentInBothLoadSystems) {
    const struct {
        const char* name;
        BayLoad bay; // IsPointLoad, BayNo, FloorNo, w1, w2, P, L, X
        double rdl1, rdl2, rml1, rml2, midspan;
    } rows[] = {
        {"UDL", {0, 1, 1, 10, 0, 0, 6, 0}, -30, -30, -5.0 / 6, 5.0 / 6, 22.5},
        {"point load alone", {-1, 1, 1, 0, 0, 12, 6, 2}, -8, -4, -5.0 / 6, 5.0 / 6, 12},
        // The w2 term of the midspan moment is (L - 2X)^2 w2, not a quarter of it.
        {"w2 from the left end", {-1, 1, 1, 0, 4, 0, 6, 0}, -12, -12, -5.0 / 6, 5.0 / 6, -36}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FrameModel model = SetUpTestFrame("1", "2");
        model.CM[3][2] = -20;
        model.CM[4][1] = 25;
        model.BayLoads[1] = row.bay;
        ASSERT_EQ(ComputeBayResults(model), std::nullopt);
        ExpectCells(model.RDL[1], 1, {row.rdl1, row.rdl2});
        ExpectCells(model.RML[1], 1, {row.rml1, row.rml2});
        EXPECT_EQ(model.Midspan[1], row.midspan);
    }
}

// Regression: the square (L - 2X)^2 was taken with std::pow, which a -O0 build
// leaves to the C library; on this span it is one unit in the last place off
// and the report printed ...32548 instead of ...32547.
TEST(BayResults, MidspanSquareIsTheSameInEveryBuild) {
    FrameModel model = SetUpTestFrame("1", "2");
    model.BayLoads[1] = {
        -1, 1, 1, 0, 42.21008996009827, 13.101185244312674, 100000, 23063.49903822279};
    ASSERT_EQ(ComputeBayResults(model), std::nullopt);
    EXPECT_EQ(MidspanReportText(model), "1 - 1 - 1209728775.32547\r\n");
}

} // namespace
