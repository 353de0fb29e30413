// The frame check against frames solved by hand and against what statics
// guarantees of any exact solution.
#include "check/FrameCheck.h"

#include "PageReader.h"
#include "TestSupport.h"
#include "calculate/Calculate.h"
#include "check/BayStatics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

BayLoad Udl(double w, double l) {
    return {0, 1, 1, w, 0, 0, l, 0};
}
BayLoad Point(double w1, double w2, double p, double l, double x) {
    return {-1, 1, 1, w1, w2, p, l, x};
}

// Slope-deflection with end moments k (2φ_near + φ_far + ψ) − load term, base fixed.
// Equal columns, k = 3: the load is symmetric, so ψ = 0 and φ4 = −φ3; joint 3,
// 2(2 + 3) φ3 + 2 φ4 = 36, gives φ3 = 4.5: corners ±27, bases ±13.5, midspan
// 54 − 27 = 27, the largest sagging moment there, reactions wL/2 = 36.
// Columns k = 3 (left) and 1 (right) sway. Joint 3: 10 φ3 + 2 φ4 + 3 ψ = 36; joint 4:
// 2 φ3 + 6 φ4 + ψ = −36; the storey's shears: 9 φ3 + 3 φ4 + 8 ψ = 0. So φ3 = 468/73,
// φ4 = −540/73, ψ = −324/73: beam ends 2 (2φ3 + φ4) − 36 = −1836/73 and
// 2 (2φ4 + φ3) + 36 = 1404/73; bases 3 (φ3 + ψ) = 432/73 and φ4 + ψ = −864/73.
// Left reaction 36 − (−1836 + 1404) / (73 × 6) = 2700/73; the shear is 0 at
// x = 2700/73/12 = 225/73, where M = −1836/73 + (2700/73)² / 24 = 169722/5329.
struct PortalCase {
    const char* name;
    double kLeft, kRight;
    double beamLeft, beamRight, baseLeft, baseRight, midspan, maxSagging, maxX, leftReaction;
};

TEST(FrameCheck, PortalsSolvedByHand) {
    const PortalCase cases[] = {
        {"symmetric", 3, 3, -27, 27, 13.5, -13.5, 27, 27, 3, 36},
        {"sways", 3, 1, -1836.0 / 73, 1404.0 / 73, 432.0 / 73, -864.0 / 73, 2322.0 / 73,
         169722.0 / 5329, 225.0 / 73, 2700.0 / 73},
    };
    for (const PortalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FrameCheck check = Checked(Portal(c.kLeft, c.kRight)).check;
        ASSERT_TRUE(check.exact.solved) << check.exact.whyNot;
        const auto& e = check.exact.endMoments.moments;
        const BayCheck& bay = check.bays[0];
        const BaseReaction &b0 = check.forces.bases[0], &b1 = check.forces.bases[1];
        const double got[] = {e[3][2],         e[3][3],          e[1][4],          e[4][1],
                              e[4][3],         e[2][4],          bay.midspanExact, bay.maxSagging,
                              bay.maxSaggingX, bay.leftReaction, b0.vertical,      b1.vertical};
        const double want[] = {c.beamLeft,   -c.beamLeft,    c.baseLeft,     c.beamRight,
                               -c.beamRight, c.baseRight,    c.midspan,      c.maxSagging,
                               c.maxX,       c.leftReaction, c.leftReaction, 72 - c.leftReaction};
        for (std::size_t i = 0; i < std::size(got); ++i) {
            EXPECT_NEAR(got[i], want[i], 1e-12 * 72) << i;
        }
    }
}

// A frame with a bay that has no record, which the analysis refuses, is not checked:
// asking for it is the caller's fault.
TEST(FrameCheck, RefusesAFrameThatWasNotAnalysed) {
    FrameModel m = Portal(3, 3);
    m.BayLoads[1] = {};
    EXPECT_THROW(CheckFrame(m, BayRecordsOf(m)), std::invalid_argument);
}

// Each joint's end moments and each storey's column moments add up to 0, and the
// bases carry every bay load: the beams' end-moment shears cancel in pairs.
TEST(FrameCheck, ExactSolutionWithCantileversIsInEquilibrium) {
    const FrameModel m = CantileverFrame();
    const FrameCheck check = Checked(m).check;
    ASSERT_TRUE(check.exact.solved) << check.exact.whyNot;
    const double largest = LargestEndMoment(check.exact.endMoments);
    for (int j = 4; j <= 12; ++j) {
        EXPECT_NEAR(check.jointSumExact[j], 0, 1e-9 * largest) << "joint " << j;
        if (j % 3 == 2) { // no cantilever: the balance leaves nothing over
            EXPECT_NEAR(check.jointSumOneCycle[j], 0, 1e-9 * largest) << "joint " << j;
        }
    }
    EXPECT_EQ(check.exact.endMoments.moments[7][1].value(), -m.M1[7]);
    EXPECT_EQ(check.exact.endMoments.moments[9][2].value(), -m.M2[9]);
    for (int f = 1; f <= 3; ++f) {
        EXPECT_NEAR(check.storeys.exact[f], 0, 1e-9 * largest) << "storey " << f;
    }
    double load = 0, carried = 0;
    for (int r = 1; r <= 6; ++r) {
        const BayLoad& b = m.BayLoads[r];
        load += b.IsPointLoad ? b.Udl1 * b.LoadX + b.Udl2 * (b.SpanL - b.LoadX) + b.PointLoad1
                              : b.Udl1 * b.SpanL;
    }
    for (const BaseReaction& base : check.forces.bases) {
        carried += base.vertical;
    }
    EXPECT_NEAR(carried, load, 1e-12 * load);
    // A cantilever's shear is unknown in every column below it on its line and at
    // the base: with cantilevers on every floor, and on the top floor alone.
    FrameModel topOnly = m;
    topOnly.M1[4] = topOnly.M1[7] = topOnly.M2[6] = topOnly.M2[9] = 0;
    for (const FrameCheck& c : {check, Checked(topOnly).check}) {
        for (const ColumnForce& column : c.forces.columns) {
            EXPECT_EQ(column.cantileverShearUnknown, column.topJoint % 3 != 2) << column.topJoint;
        }
        for (const BaseReaction& base : c.forces.bases) {
            EXPECT_EQ(base.cantileverShearUnknown, base.joint != 2) << base.joint;
        }
    }
}

// On a 6 m span, end moments clockwise positive. P = 30 at x = 4 with ends −10 and
// 20: the simple span's 30 × 4 × 2 / 6 = 40 under the load, less 10 × 2/6 + 20 × 4/6,
// 70/3. 10 kN/m over the span with ends −20 and 40: left reaction 30 − 20/6 = 80/3,
// shear 0 at 8/3, M = −20 + (80/3)² / 20 = 140/9. 12 kN/m over the left half: left
// reaction 27, shear 0 at 2.25, M = 27² / 24 = 30.375; mirrored as w2 over the right
// half. No load, ends −5 and 8: it hogs all along, least at the left end. 10 kN/m
// with ends 40 and 110: left reaction 30 − 150/6 = 5, shear 0 at 0.5, M = 41.25. Fixed-end
// moments from the textbook: P a b² / L² and P a² b / L², wL²/12, and for a half
// span loaded 11 wL²/192 = 24.75 at the loaded end and 5 wL²/192 = 11.25 at the other.
TEST(BayStatics, LargestSaggingAndFixedEndMoments) {
    const struct {
        const char* name;
        BayLoad bay;
        double left, right, moment, x, femLeft, femRight;
    } cases[] = {
        {"point load right of midspan", Point(0, 0, 30, 6, 4), -10, 20, 70.0 / 3, 4, 40.0 / 3,
         80.0 / 3},
        {"uniform load, unequal ends", Udl(10, 6), -20, 40, 140.0 / 9, 8.0 / 3, 30, 30},
        {"w1 over the left half", Point(12, 0, 0, 6, 3), 0, 0, 30.375, 2.25, 24.75, 11.25},
        {"w2 over the right half", Point(0, 12, 0, 6, 3), 0, 0, 30.375, 3.75, 11.25, 24.75},
        {"hogging all along", Udl(0, 6), -5, 8, -5, 0, 0, 0},
        {"1 kN/m, its peak inside the span", Udl(1, 6), 0, 0, 4.5, 3, 3, 3},
        {"shear 0 within the first metre", Udl(10, 6), 40, 110, 41.25, 0.5, 30, 30},
        // 2 kN/m to X = 6, 1 kN/m beyond, 3 kN at X, L = 10: reactions 10.4 and 8.6,
        // shear 0 at 10.4 / 2 = 5.2 < X, M = 10.4 × 5.2 − 5.2² = 27.04 (26.4 at X).
        {"shear 0 left of the point load", Point(2, 1, 3, 10, 6), 0, 0, 27.04, 5.2, 1354.0 / 75,
         1246.0 / 75},
        // 1 kN/m to X = 2, 2 kN/m beyond, 1 kN at X, ends −4 and 6: left reaction
        // 9 − 2/10 = 8.8, shear 8.8 − 2 − 1 = 5.8 beyond X, 0 at 2 + 5.8 / 2 = 4.9, where
        // M = −4 + 8.8 × 4.9 − 2 × 3.9 − 2.9 − 2.9² = 20.01.
        {"shear 0 right of the point load", Point(1, 2, 1, 10, 2), -4, 6, 20.01, 4.9, 16.44, 16.76},
    };
    for (const auto& c : cases) {
        const BayStatics s = BayStaticsOf(c.bay, c.left, c.right);
        EXPECT_NEAR(s.maxSagging, c.moment, 1e-12 * 100) << c.name;
        EXPECT_NEAR(s.maxSaggingX, c.x, 1e-12) << c.name;
        EXPECT_NEAR(s.femLeft, c.femLeft, 1e-12 * 40) << c.name;
        EXPECT_NEAR(s.femRight, c.femRight, 1e-12 * 40) << c.name;
    }
}

// The portal's beam typed at both ends against its 12 kN/m on 6 m, wL²/12 = 36.
TEST(FrameCheck, TypedLoadTermsAgainstTheBay) {
    const struct {
        const char* name;
        double m2Left, m1RightStored;
        bool mismatch;
    } cases[] = {
        {"0.3 % high at the left", 36.1, -36, false},
        {"0.6 % high at the left", 36.2, -36, true},
        {"right end typed with the stored sign", 36, 36, true},
    };
    for (const auto& c : cases) {
        FrameModel m = Portal(3, 1);
        m.M2[3] = c.m2Left;
        m.M1[4] = c.m1RightStored;
        const BayCheck bay = Checked(m).check.bays.at(0);
        EXPECT_EQ(bay.mismatch, c.mismatch) << c.name;
        EXPECT_EQ(bay.typedRight, -c.m1RightStored) << c.name;
    }
}

// With the beam's k = 2 and the right column's k = 1, the portal's three equations
// are singular for the left column's k = c where their determinant, a rational
// function of c, passes through 0: between −0.42 and −0.41, found by bisection in
// exact fractions and rounded to the nearest double.
constexpr double SingularLeftColumn = -0.41474393099704715;

// Whether a frame solves is told by its digits, not by the size of its moments: the
// sway portal's loads times 2^-1047, at the bottom of the range of numbers, keep few
// digits, yet its equations are met within 5.2e-10 of their size, within the tolerance
// of 1e-9. A left column 1e-11 above the singular value leaves the equations a
// reciprocal condition above 1e-12, 2e-12 above it one below: most digits are lost.
TEST(ExactSolution, SolvesWhileItKeepsItsDigits) {
    EXPECT_TRUE(Checked(Scaled(Portal(3, 1), std::ldexp(1.0, -1047))).check.exact.solved);
    EXPECT_TRUE(Checked(Portal(SingularLeftColumn + 1e-11, 1)).check.exact.solved);
    EXPECT_FALSE(Checked(Portal(SingularLeftColumn + 2e-12, 1)).check.exact.solved);
}

// Columns of negative stiffness under the portal's beam of k = 2. At k = −1.1 and
// −1.5 the equations keep their one solution, but the repeated sweep, which converges
// only while each joint's own term outweighs its neighbours', hovers or runs away.
// At k = −1 the two joints' rows coincide: equal and opposite corner rotations
// without sway cost nothing. Two floors of two columns whose right column line
// joins nothing but itself: it turns and sways freely. And a frame without load.
TEST(FrameCheck, FramesTheCycleOrTheSolutionCannotHandle) {
    FrameModel floating;
    ASSERT_EQ(SetUpFrame(floating, "F", "2", "2"), std::nullopt);
    floating.K[3] = {Cell(), 0, 0, 1, 0};
    floating.K[4] = {Cell(), 0, 0, 0, 1};
    floating.K[6] = {Cell(), 0, 0, 1, 0};
    floating.BayLoads[1] = floating.BayLoads[2] = Udl(0, 6);
    floating.BayLoads[2].FloorNo = 2;
    using Outcome = Convergence::Outcome;
    const struct {
        const char* name;
        FrameModel model;
        Outcome outcome;
        const char* why; // nullptr: solved
    } cases[] = {{"hovering", Portal(-1.1, -1.1), Outcome::MoreThanLimit, nullptr},
                 {"running away", Portal(-1.5, -1.5), Outcome::Diverged, nullptr},
                 {"singular", Portal(-1, -1), Outcome::NotSolved, "negative"},
                 // Only the first joint's column is negative: its rows still coincide.
                 {"singular by the first joint's column", Portal(SingularLeftColumn, 1),
                  Outcome::NotSolved, "negative"},
                 // Moments near the top of the range: 1e100 × the largest exact moment
                 // is beyond it, so only the first value that is no number shows it.
                 {"running away from huge moments", Scaled(Portal(-1.5, -1.5), 1e250),
                  Outcome::Diverged, nullptr},
                 {"a free column line", floating, Outcome::NotSolved, "mechanism"},
                 // Every share 0 of no moment at all: exact from the first cycle.
                 {"no load at all", Scaled(Portal(3, 3), 0), Outcome::Reached, nullptr}};
    for (const auto& c : cases) {
        const CheckedFrame checked = Checked(c.model);
        const FrameCheck& check = checked.check;
        EXPECT_EQ(check.exact.solved, c.why == nullptr) << c.name;
        EXPECT_TRUE(c.why ? check.exact.whyNot.find(c.why) != std::string::npos
                          : check.exact.whyNot.empty())
            << c.name << ": " << check.exact.whyNot;
        EXPECT_EQ(check.convergence.outcome, c.outcome) << c.name;
        const std::string page = checked.page();
        const TableRows cycles = TableById(page, "cycles");
        if (c.outcome == Outcome::Diverged) {
            // Told by its size, 1e100 times the largest exact moment, cycles before its
            // numbers leave the range of doubles; huge moments leave it first and measure
            // +∞, never within.
            EXPECT_GT(check.convergence.shares.back(), 1e99) << c.name;
            EXPECT_EQ(std::isfinite(check.convergence.shares.back()), c.model.M2[3] < 1e100);
            EXPECT_EQ(cycles[cycles.size() - 2][2], "diverged") << c.name;
        } else if (c.outcome == Outcome::MoreThanLimit) {
            EXPECT_EQ(cycles[cycles.size() - 2][1], "not within 0.1 % after 1000 cycles");
        }
        for (std::size_t r = 1; c.outcome != Outcome::Reached && r + 1 < cycles.size(); ++r) {
            EXPECT_EQ(cycles[r][3], "") << c.name << " " << cycles[r][0]; // no cycle within
        }
        if (c.outcome == Outcome::Reached) {
            EXPECT_EQ(check.convergence.shares, std::vector<double>{0}) << c.name;
        }
        EXPECT_EQ(check.forces.bases.size(), c.why ? 0u : 2u) << c.name;
        // The page says each warning that holds once, at its top: a negative stiffness
        // whether or not the frame solves.
        const std::pair<const char*, bool> warnings[] = {
            {"The frame has no unique solution: ", c.why != nullptr},
            {"A stiffness is negative: k3 = -", c.model.K[3][3] < 0},
            {"Repeated, the cycles diverge", c.outcome == Outcome::Diverged}};
        for (const auto& [warning, holds] : warnings) {
            const std::size_t at = page.find(warning);
            EXPECT_EQ(at < page.find("<h2>"), holds) << c.name << ": " << warning;
            EXPECT_EQ(page.find(warning, at + 1), std::string::npos) << c.name << ": " << warning;
        }
    }
}

// The comparison takes every member end that both tables hold, base ends (member 4
// of a base joint) included, and names the first with the largest difference; a
// number that is not finite makes the difference +∞.
TEST(EndMomentDifference, EveryMemberEndBothTablesHold) {
    FrameEndMoments cycle, exact;
    cycle.moments[1][4] = 5, exact.moments[1][4] = 2;   // a base end, 3 off
    cycle.moments[3][1] = -1, exact.moments[3][1] = -7; // a beam end, 6 off
    cycle.moments[3][4] = 10, exact.moments[4][4] = 12; // held by one table each
    const EndMomentDifference d = CompareEndMoments(cycle, exact);
    EXPECT_EQ(std::to_string(d.joint) + "/" + std::to_string(d.member), "3/1");
    EXPECT_EQ(d.share(), 6.0 / 12);
    cycle.moments[1][4] = 20; // now the base end differs most
    EXPECT_EQ(CompareEndMoments(cycle, exact).member, 4);
    // A cycle whose moments leave the range of numbers is never within any share.
    for (const double beyond : {std::nan(""), -HUGE_VAL}) {
        cycle.moments[3][1] = beyond;
        EXPECT_EQ(CompareEndMoments(cycle, exact).share(), INFINITY) << beyond;
    }
}

// The slope-deflection equations are linear: every load divided by 1000, so that
// no moment reaches 1 kN·m, gives the same shares of the largest exact end moment.
TEST(Convergence, SharesDoNotDependOnTheSizeOfTheLoads) {
    for (const FrameModel& m : {Tower(), CantileverFrame()}) {
        const FrameCheck check = Checked(m).check, small = Checked(Scaled(m, 1e-3)).check;
        EXPECT_LT(small.oneCycleDifference.largestExact, 1);
        EXPECT_NEAR(small.oneCycleDifference.share(), check.oneCycleDifference.share(), 1e-12);
        ASSERT_EQ(small.convergence.shares.size(), check.convergence.shares.size());
        for (std::size_t i = 0; i < check.convergence.shares.size(); ++i) {
            EXPECT_NEAR(small.convergence.shares[i], check.convergence.shares[i], 1e-12) << i;
        }
    }
}

// The repeated cycles iterate the equations that the exact solution solves: cycle 1
// is the main report's M(1) and storey moments (1) to the last bit, every cycle's
// state is kept, and the sweep stops at the first cycle whose end moments are within
// 0.1 % of the exact ones: under a weak beam on stiff columns, not at cycle 1, which
// only the balance brings within. (The order of the
// sweep, which changes each cycle's numbers but not where they go, is held by the
// golden page's cycles.)
TEST(Convergence, StartsFromTheReportsCycleAndStopsWithinOfTheExactSolution) {
    FrameModel weakBeam = Portal(10, 10);
    weakBeam.K[3][2] = weakBeam.K[4][1] = 1;
    for (const FrameModel& frame :
         {CantileverFrame(), Portal(3, 3), Portal(3, 1), Tower(), weakBeam}) {
        const auto [m, check] = Checked(frame);
        const Convergence& c = check.convergence;
        ASSERT_EQ(c.outcome, Convergence::Outcome::Reached) << m.ProjectName;
        ASSERT_EQ(c.states.size(), c.shares.size() + 1);
        EXPECT_EQ(c.states[1].rotation, m.MRot1);
        EXPECT_EQ(c.states[1].storey, m.FloorM1);
        for (std::size_t cycle = 1; cycle < c.states.size(); ++cycle) {
            EXPECT_EQ(c.shares[cycle - 1] <= CloseShare, cycle == c.shares.size()) << cycle;
        }
    }
}

} // namespace
