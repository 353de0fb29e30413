// What statics guarantees, checked against solutions worked out here rather than
// against the program's own formulas.
#include "TestSupport.h"
#include "analysis/BayResults.h"
#include "analysis/RotationSweep.h"
#include "analysis/Stages.h"
#include "analysis/StoreySway.h"

#include <cmath>
#include <vector>

namespace {

constexpr int N = 3, Last = 12, Joints = 9; // 3 floors of 3 columns above base joints 1..3

/// The slope-deflection equations with sway and no lateral load, solved directly.
/// Unknowns: phi(j) of joints 4..12 (index j - 4), psi(f) of storeys 1..3 (index 8 + f).
/// A member's end moment is k (2 phi(near) + phi(far) + psi) - load term, psi = 0 for a
/// beam and phi = 0 at the fixed base. Each joint's end moments add up to 0, and so do
/// each storey's column shears: the sum over its columns of 3 k (phi + phi') + 2 k psi.
std::vector<double> ExactSolution(const FrameModel& m) {
    constexpr int n = Joints + 3;
    std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0)); // augmented
    auto add = [&a](int row, int column, double k) {
        if (k != 0 && (column > N || column < 0)) {
            a[row][column < 0 ? -column : column - N - 1] += k;
        }
    };
    for (int j = N + 1; j <= Last; ++j) {
        const int f = (j - 1) / N, row = j - N - 1, psi = Joints - 1 + f;
        const int far[] = {0, j - 1, j + 1, j - N, j + N};
        for (int mb = 1; mb <= 4; ++mb) {
            add(row, j, 2 * m.K[j][mb]);
            add(row, far[mb], m.K[j][mb]);
            add(row, mb < 3 ? 0 : -(psi + mb - 3), m.K[j][mb]);
        }
        a[row][n] = m.M1[j] + m.M2[j];
        add(psi, j, 3 * m.K[j][3]);
        add(psi, j - N, 3 * m.K[j][3]);
        add(psi, -psi, 2 * m.K[j][3]);
    }
    // Gauss-Jordan elimination; the equations of a frame keep the pivots off 0.
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            const double factor = r == c ? 0 : a[r][c] / a[c][c];
            for (int k = c; k <= n; ++k) {
                a[r][k] -= factor * a[c][k];
            }
        }
    }
    std::vector<double> x(n);
    for (int r = 0; r < n; ++r) {
        x[r] = a[r][n] / a[r][r];
    }
    return x;
}

// Repeating the sweep, the storey moments formed anew after each one, reaches the
// exact rotation and storey moments; end moments formed from that state balance
// every joint and every storey's shear, so the balance has nothing left to do.
TEST(Statics, RepeatedSweepConvergesToTheSlopeDeflectionSolution) {
    FrameModel m = CantileverFrame();
    ASSERT_FALSE(PrepareJoints(m) || ComputeStoreySway(m));
    FloorTable storey = m.FloorM0;
    for (int sweep = 0; sweep < 200; ++sweep) {
        SweepRotationMoments(m, storey, m.MRotWork, [](int, auto, double) {});
        storey = {};
        AddStoreyMoments(m, m.MRotWork, storey);
    }
    const std::vector<double> exact = ExactSolution(m);
    for (int i = 0; i < Joints + 3; ++i) {
        EXPECT_NEAR(i < Joints ? m.MRotWork[i + N + 1] : storey[i - Joints + 1], exact[i], 1e-12);
    }
    // A joint whose end moments add up to 0 leaves the balance nothing to distribute.
    ASSERT_FALSE(SnapshotFirstCycle(m) || ComputeEndMoments(m));
    double shear[4] = {};
    for (int j = N + 1; j <= Last; ++j) {
        const auto& e = m.EndM[j];
        EXPECT_NEAR(((e[1] + e[2]) + e[3]) + e[4], 0, 1e-11) << "joint " << j;
        // The column below, both ends: at the base, k (phi + psi) worked out here.
        const double lower =
            j > 2 * N ? m.EndM[j - N][4].value() : m.K[j][3] * (m.MRot1[j] + m.FloorM1[1]);
        shear[(j - 1) / N] += e[3] + lower;
    }
    for (double s : shear) {
        EXPECT_NEAR(s, 0, 1e-11);
    }
    ASSERT_FALSE(BalanceJoints(m));
    for (int j = N + 1; j <= Last; ++j) {
        for (int mb = 1; mb <= 4; ++mb) {
            EXPECT_NEAR(m.CM[j][mb], m.EndM[j][mb], 1e-11) << "joint " << j << " member " << mb;
        }
    }
}

/// The midspan moment and the two load reactions of one record on a 6 m bay whose
/// corrected end moments are -20 (left) and 25 (right).
std::array<double, 3> Bay(std::int16_t pointLoad, double w1, double w2, double p, double x) {
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, "B", "1", "2"), std::nullopt);
    m.CM[3][2] = -20;
    m.CM[4][1] = 25;
    m.BayLoads[1] = {pointLoad, 1, 1, w1, w2, p, 6, x};
    EXPECT_EQ(ComputeBayResults(m), std::nullopt);
    return {m.Midspan[1], m.RDL[1][1], m.RDL[1][2]};
}

// 10 kN/m over the whole span typed five ways: as a UDL record, as w2 from X = 0, as
// w1 up to X = L, and split between w1 and w2 at L/3 and at 3L/4. Then a point load
// and its mirror image about midspan. Last, worked by hand: w1 = 4 up to X = 4, w2 = 9
// beyond, P = 15 at X. Left reaction, moments about the right end: (4·4·4 + 9·2·1 +
// 15·2) / 6 = 112/6. At the 3 m cut: 112/6 · 3 less w1 over the 3 m left of it,
// 4·3·1.5, is 38 sagging; the end moments add (-20 - 25) / 2.
TEST(Statics, MidspanMomentsByStatics) {
    const std::array<double, 3> udl = Bay(0, 10, 0, 0, 0);
    EXPECT_DOUBLE_EQ(udl[0], 45 - 22.5); // wL^2/8 less the mean of the end moments
    for (const auto& typed : {Bay(-1, 0, 10, 0, 0), Bay(-1, 10, 0, 0, 6), Bay(-1, 10, 10, 0, 2),
                              Bay(-1, 10, 10, 0, 4.5)}) {
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(typed[i], udl[i], 1e-12 * std::fabs(udl[i])) << i;
        }
    }
    for (const double x : {0.0, 1.5, 2.9}) {
        EXPECT_NEAR(Bay(-1, 0, 0, 12, x)[0], Bay(-1, 0, 0, 12, 6 - x)[0], 1e-12) << x;
    }
    EXPECT_NEAR(Bay(-1, 4, 9, 15, 4)[0], 38 - 22.5, 1e-12);
}

} // namespace
