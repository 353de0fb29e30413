// What statics guarantees, checked against solutions worked out here rather than
// against the program's own formulas.
#include "TestSupport.h"
#include "analysis/JointMembers.h"
#include "analysis/Stages.h"
#include "report/BayResults.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Floors = 3;
constexpr int Columns = 3;
constexpr int LastJoint = Columns * (Floors + 1);

/// A 3 x 3 frame whose joints agree on the stiffness of each member they share,
/// every beam and column different, with fixed-end moments on every beam.
FrameModel ConsistentFrame() {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, "S", "3", "3"), std::nullopt);
    for (int j = Columns + 1; j <= LastJoint; ++j) {
        const bool first = j % Columns == 1, last = j % Columns == 0, top = j > LastJoint - Columns;
        const double beamRight = 2.0 + 0.5 * (j % 4), beamLeft = 2.0 + 0.5 * ((j - 1) % 4);
        const double column = 1.0 + 0.25 * (j % 5), columnAbove = 1.0 + 0.25 * ((j + Columns) % 5);
        model.K[j] = {Cell(), first ? 0 : beamLeft, last ? 0 : beamRight, column,
                      top ? 0 : columnAbove};
        model.M1[j] = first ? 0 : -(20.0 + (j - 1) % 7);
        model.M2[j] = last ? 0 : 20.0 + j % 7;
    }
    return model;
}

/// Solves A x = b by Gaussian elimination with partial pivoting.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        const std::size_t p = static_cast<std::size_t>(
            std::max_element(a.begin() + c, a.end(),
                             [c](auto& x, auto& y) { return std::fabs(x[c]) < std::fabs(y[c]); }) -
            a.begin());
        std::swap(a[c], a[p]);
        std::swap(b[c], b[p]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < n; ++k) {
                a[r][k] -= f * a[c][k];
            }
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t r = n; r-- > 0;) {
        double s = b[r];
        for (std::size_t k = r + 1; k < n; ++k) {
            s -= a[r][k] * x[k];
        }
        x[r] = s / a[r][r];
    }
    return x;
}

/// Slope-deflection equations with sway and no lateral load, for the rotation
/// moments phi(j) of the joints above the fixed base and one sway moment psi(f) per
/// storey: member end moment k (2 phi(near) + phi(far) + psi) - load term, psi = 0 for
/// beams. Each joint's end moments add up to 0; each storey's column shears (the sum
/// of both end moments over the storey height) add up to 0. Unknown i < 9 is
/// phi(i + 4), unknown 9 + f - 1 is psi(f).
std::vector<double> ExactSolution(const FrameModel& m) {
    const int joints = LastJoint - Columns, n = joints + Floors;
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    std::vector<double> b(n, 0.0);
    auto phi = [](int j) { return j - Columns - 1; };
    auto psi = [joints](int f) { return joints + f - 1; };
    for (int j = Columns + 1; j <= LastJoint; ++j) {
        const int f = (j - 1) / Columns, row = phi(j);
        const int far[] = {0, j - 1, j + 1, j - Columns, j + Columns};
        for (int mb = 1; mb <= 4; ++mb) {
            const double k = m.K[j][mb];
            a[row][phi(j)] += 2 * k;
            if (far[mb] > Columns && k != 0) {
                a[row][phi(far[mb])] += k;
            }
            if (mb >= 3 && k != 0) {
                a[row][psi(mb == 3 ? f : f + 1)] += k;
            }
        }
        b[row] = m.M1[j] + m.M2[j];
        // Storey f: columns from j - Columns up to j, 3 k (phi + phi') + 2 k psi.
        const double k = m.K[j][3];
        a[psi(f)][phi(j)] += 3 * k;
        if (j - Columns > Columns) {
            a[psi(f)][phi(j - Columns)] += 3 * k;
        }
        a[psi(f)][psi(f)] += 2 * k;
    }
    return Solve(a, b);
}

// Repeating the sweep, the storey moments formed anew after each one, reaches the
// exact rotation moments; end moments formed from that state balance every joint
// and every storey's shear, so the balance has nothing left to do.
TEST(Statics, RepeatedSweepConvergesToTheSlopeDeflectionSolution) {
    FrameModel model = ConsistentFrame();
    ASSERT_EQ(PrepareJoints(model), std::nullopt);
    ASSERT_EQ(ComputeStoreySway(model), std::nullopt);
    FloorTable storey = model.FloorM0;
    for (int sweep = 0; sweep < 200; ++sweep) {
        SweepRotationMoments(model, storey);
        storey = {};
        AddStoreyMoments(model, model.MRotWork, storey);
    }
    const std::vector<double> exact = ExactSolution(model);
    for (int j = Columns + 1; j <= LastJoint; ++j) {
        EXPECT_NEAR(model.MRotWork[j], exact[j - Columns - 1], 1e-12) << "joint " << j;
    }
    for (int f = 1; f <= Floors; ++f) {
        EXPECT_NEAR(storey[f], exact[LastJoint - Columns + f - 1], 1e-12) << "storey " << f;
    }

    ASSERT_EQ(SnapshotFirstCycle(model), std::nullopt);
    ASSERT_EQ(ComputeEndMoments(model), std::nullopt);
    ASSERT_EQ(BalanceJoints(model), std::nullopt);
    std::array<double, Floors + 1> storeyShear{};
    for (int j = Columns + 1; j <= LastJoint; ++j) {
        double sum = 0;
        for (int mb = 1; mb <= 4; ++mb) {
            sum += model.EndM[j][mb];
            EXPECT_NEAR(model.CM[j][mb], model.EndM[j][mb], 1e-11) << j << "/" << mb;
        }
        EXPECT_NEAR(sum, 0, 1e-11) << "joint " << j;
        const int f = (j - 1) / Columns;
        // The column below, both ends; the base end's moment k (phi + psi) worked here.
        const double lowerEnd = j - Columns > Columns
                                    ? model.EndM[j - Columns][4].value()
                                    : model.K[j][3] * (model.MRot1[j] + model.FloorM1[1]);
        storeyShear[static_cast<std::size_t>(f)] += model.EndM[j][3] + lowerEnd;
    }
    for (int f = 1; f <= Floors; ++f) {
        EXPECT_NEAR(storeyShear[static_cast<std::size_t>(f)], 0, 1e-11) << "storey " << f;
    }
}

/// The midspan moment and the two load reactions of one record on a 6 m bay whose
/// corrected end moments are -20 (left) and 25 (right).
std::array<double, 3> Bay(std::int16_t pointLoad, double w1, double w2, double p, double x) {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, "B", "1", "2"), std::nullopt);
    model.CM[3][2] = -20;
    model.CM[4][1] = 25;
    model.BayLoads[1] = {pointLoad, 1, 1, w1, w2, p, 6, x};
    EXPECT_EQ(ComputeBayResults(model), std::nullopt);
    return {model.Midspan[1], model.RDL[1][1], model.RDL[1][2]};
}

// 10 kN/m over the whole 6 m span typed five ways: as a UDL record, as w2 from X = 0,
// as w1 up to X = L, and split between w1 and w2 at L/3 and at 3L/4.
TEST(Statics, TheSameLoadTypedEitherWayGivesTheSameMidspan) {
    const std::array<double, 3> udl = Bay(0, 10, 0, 0, 0);
    EXPECT_DOUBLE_EQ(udl[0], 45 - 22.5); // wL^2/8 less the mean of the end moments
    const std::array<double, 3> typed[] = {Bay(-1, 0, 10, 0, 0), Bay(-1, 10, 0, 0, 6),
                                           Bay(-1, 10, 10, 0, 2), Bay(-1, 10, 10, 0, 4.5)};
    for (const auto& other : typed) {
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(other[i], udl[i], 1e-12 * std::fabs(udl[i])) << i;
        }
    }
    // A point load and its mirror image about midspan.
    for (const double x : {0.0, 1.5, 2.9, 3.0}) {
        EXPECT_NEAR(Bay(-1, 0, 0, 12, x)[0], Bay(-1, 0, 0, 12, 6 - x)[0], 1e-12) << x;
    }
}

// w1 = 4 up to X = 4 m, w2 = 9 beyond, P = 15 at X, right of midspan on the 6 m span.
// Left reaction from moments about the right end: (4·4·4 + 9·2·1 + 15·2) / 6 = 112/6.
// Cut at 3 m: 112/6 · 3 less the 3 m of w1 left of the cut, 4·3·1.5 = 38 sagging;
// the end moments -20 and 25 add (-20 - 25) / 2.
TEST(Statics, MidspanOfALoadRightOfMidspanByDirectStatics) {
    EXPECT_NEAR(Bay(-1, 4, 9, 15, 4)[0], 38 - 22.5, 1e-12);
}

} // namespace
