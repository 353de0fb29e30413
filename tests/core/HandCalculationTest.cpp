// The frame page as a hand calculation: its factors, its worked step and its
// cycles, redone from the input and from the page's own cells.
#include "PageReader.h"
#include "TestSupport.h"
#include "model/NumberText.h"
#include "page/PageTables.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

double Read(const std::string& cell) {
    return TextToNumber(cell).value_or(NAN);
}

// Portal(3, 1) by hand. Joint 3: Q = 2 (2 + 3) = 10, M(0) = 36 / 10 = 3.6, Y2 = −0.2,
// Y3 = −0.3; joint 4: Q = 6, M(0) = −36 / 6 = −6. Sway factors −1.5 × 3/4 = −1.125 and
// −1.5 × 1/4 = −0.375, so the storey moment (0) = −1.125 × 3.6 − 0.375 × (−6) = −1.8.
// M(1) of 3 = 3.6 + 0.54 + 1.2 = 5.34; M(1) of 4 = −6 + (−1/6)(−1.8) + (−2/6) 5.34
// = −7.48; storey (1) = −1.125 × 5.34 − 0.375 × (−7.48) = −3.2025; the right beam end
// of joint 3 = 2 (2 × 5.34 − 7.48) − 36 = −29.6.
TEST(HandCalculation, TheWorkedStepIsThePortalWorkedByHand) {
    FrameModel m = Portal(3, 1);
    const std::string page = Checked(m).page();
    const std::size_t at = page.find("<section id=\"worked\">");
    ASSERT_NE(at, std::string::npos);
    const std::string worked = page.substr(at, page.find("</section>", at) - at);
    for (const char* line :
         {"<p>M(1) of joint 3 = M(0) + Y3 × (M of base joint 1 + storey moment (0) of storey 1) "
          "+ Y2 × M(0) of joint 4</p>",
          "<p>= 3.6 + (-0.3) × (0 + (-1.8)) + (-0.2) × (-6)</p>",
          "<p>= 3.6 + 0.54 + 1.2 = 5.34 kN·m (5.34 in the rotations table).</p>",
          "<p>= (-1.125) × (5.34 + 0) + (-0.375) × (-7.48 + 0) = -3.2025 kN·m (-3.2025 in the "
          "rotations table).</p>",
          "<p>= 2 × (2 × 5.34 + (-7.48)) − 36 = -29.6 kN·m (-29.6 in the end-moments "
          "table).</p>"}) {
        EXPECT_NE(worked.find(line), std::string::npos) << line;
    }
}

// Q, M(0) and Y are the main report's (the model's tables it prints), rounded to
// the page's 6 digits; the sway factor is −1.5 k3 / Σ k3 of the storey, from the input.
TEST(HandCalculation, TheFactorsAreTheReportsAndTheSwayFactorsTheInputs) {
    for (const FrameModel& frame : {Tower(), CantileverFrame()}) {
        const CheckedFrame c = Checked(frame);
        const FrameModel& m = c.model;
        const auto factors = TableById(c.page(), "factors");
        const int n = CountsOf(m).columns;
        ASSERT_EQ(factors.size(), static_cast<std::size_t>(CountsOf(m).lastJoint - n + 1));
        for (int j = n + 1; j <= CountsOf(m).lastJoint; ++j) {
            const auto& y = m.Y[j];
            double storeyK = 0; // floor f's k3, left to right
            for (int i = (j - 1) / n * n + 1; i <= (j - 1) / n * n + n; ++i) {
                storeyK += m.K[i][3];
            }
            std::string want = std::to_string(j);
            for (double v : {m.Q[j].value(), m.MRot0[j].value(), y[1].value(), y[2].value(),
                             y[3].value(), y[4].value(), -1.5 * m.K[j][3] / storeyK}) {
                want.append(" ").append(NumberToText(v, PageDigits));
            }
            std::string got = factors[static_cast<std::size_t>(j - n)][0];
            for (std::size_t c = 1; c < factors[0].size(); ++c) {
                got.append(" ").append(factors[static_cast<std::size_t>(j - n)][c]);
            }
            EXPECT_EQ(got, want) << m.ProjectName;
        }
    }
}

// M(1) of every joint from the page's own 6-digit cells, swept as the method
// section says: floors up, joints left to right, the left and lower neighbours at
// M(1), the right and upper ones at M(0), the columns with the storey moments (0).
// It meets the page's M(1) within what the rounding of those cells allows.
TEST(HandCalculation, MOneIsRedoneFromThePagesFactors) {
    for (FrameModel m : {Tower(), CantileverFrame(), Portal(3, 1)}) {
        const std::string page = Checked(m).page();
        const auto factors = TableById(page, "factors");
        const auto rotations = TableById(page, "rotations");
        const FrameCounts c = CountsOf(m);
        // Row j − N of the rotations; the storey rows follow, so storey f reads as
        // "joint" last + f. 0 at a base.
        auto moment = [&](int j, int cycle) {
            return j <= c.columns
                       ? 0
                       : Read(rotations[static_cast<std::size_t>(j - c.columns)][1 + cycle]);
        };
        for (int j = c.columns + 1; j <= c.lastJoint; ++j) {
            const auto& row = factors[static_cast<std::size_t>(j - c.columns)];
            const int f = (j - 1) / c.columns, i = (j - 1) % c.columns;
            double sum = Read(row[2]), size = std::fabs(sum);
            auto add = [&](int column, double far, double storey) {
                const double y = Read(row[static_cast<std::size_t>(column)]);
                sum = sum + y * (far + storey);
                size += std::fabs(y) * (std::fabs(far) + std::fabs(storey));
            };
            add(5, moment(j - c.columns, 1), moment(c.lastJoint + f, 0));
            if (f < c.floors) {
                add(6, moment(j + c.columns, 0), moment(c.lastJoint + f + 1, 0));
            }
            if (i + 1 < c.columns) {
                add(4, moment(j + 1, 0), 0);
            }
            if (i > 0) {
                add(3, moment(j - 1, 1), 0);
            }
            EXPECT_NEAR(sum, moment(j, 1), 1e-5 * (size + std::fabs(moment(j, 1)))) << j;
        }
    }
}

// A long run, shortened: the rotations show cycles 0 to 7 and the last two beyond
// 10 cycles; the cycles table 1 to 10, the first within 1 %, and the last two
// beyond 12.
TEST(HandCalculation, ALongRunIsShownByItsFirstAndLastCycles) {
    const std::tuple<const char*, int, int, const char*> rows[] = {
        {"rotations: one cycle", 1, -1, "0 1 "},
        {"rotations: ten cycles, all shown", 10, -1, "0 1 2 3 4 5 6 7 8 9 10 "},
        {"rotations: eleven cycles, 8 and 9 left out", 11, -1, "0 1 2 3 4 5 6 7 … 10 11 "},
        {"rotations: the limit", 1000, -1, "0 1 2 3 4 5 6 7 … 999 1000 "},
        {"cycles: twelve, all shown", 12, 12, "1 2 3 4 5 6 7 8 9 10 11 12 "},
        {"cycles: thirteen, 11 left out", 13, 3, "1 2 3 4 5 6 7 8 9 10 … 12 13 "},
        {"cycles: 1 % reached at 15 of 40", 40, 15, "1 2 3 4 5 6 7 8 9 10 … 15 … 39 40 "}};
    for (const auto& [name, last, nearCycle, shown] : rows) {
        std::string text;
        const bool rotations = nearCycle < 0;
        for (int cycle : rotations ? ShownRotationCycles(last) : ShownCycleRows(last, nearCycle)) {
            text += (cycle == (rotations ? -1 : 0) ? "…" : std::to_string(cycle)) + " ";
        }
        EXPECT_EQ(text, shown) << name;
    }
}

// A portal of stiff columns under a weak beam: the balance brings cycle 1 within
// 0.1 %, the sweep gets there only at cycle 2, and the cycles run on to it.
TEST(HandCalculation, ABalanceWithinDoesNotStopTheSweep) {
    FrameModel m = Portal(10, 10);
    m.K[3][2] = m.K[4][1] = 1;
    const std::string page = Checked(m).page();
    std::string cycles;
    for (const auto& row : TableById(page, "cycles")) {
        cycles += row[0] + " " + row[3] + "|";
    }
    EXPECT_EQ(cycles, "cycle mark|1 within 1 %|2 within 0.1 %|1 within 1 % and 0.1 %|");
    EXPECT_EQ(TableById(page, "rotations")[0].size(), 5u); // joint, M(0), M(1), M(2), exact
}

} // namespace
