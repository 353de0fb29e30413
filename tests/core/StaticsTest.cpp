// What statics guarantees, checked against solutions worked out here rather than
// against the program's own formulas.
#include "TestSupport.h"
#include "analysis/BayResults.h"

#include <array>
#include <cmath>

namespace {

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
