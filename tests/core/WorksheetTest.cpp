// The student's worksheet: Kani's iteration from zero, each joint's restrained
// moment, the worked step's equations and the page's contents.

#include "PageReader.h"
#include "TestSupport.h"
#include "frames/FilledFrame.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

/// Each member end's contribution, keyed joint × 10 + member, and each column's,
/// keyed by its top joint.
using Contributions = std::map<int, double>;

/// Kani's iteration as a textbook tabulates it, written apart from the program:
/// rotation factors −½ k / Σ k, displacement factors −3/2 k / Σ k of the storey,
/// restrained moments from the typed loads, every contribution 0 at the start,
/// joints swept floor by floor from the left, each storey's displacement
/// contributions formed after the sweep. Returns, for cycles 1..`cycles`, the
/// rotation and the displacement contributions.
std::vector<std::pair<Contributions, Contributions>> KaniFromZero(const FrameModel& m, int cycles) {
    const FrameCounts counts = CountsOf(m);
    const int n = counts.columns, last = counts.lastJoint;
    // The far end of a joint's member, 0 where the joint lacks it; a column below a
    // floor 1 joint ends at a base, which does not rotate (never swept, so 0).
    auto far = [&](int j, int member) {
        switch (member) {
        case 1:
            return (j - 1) % n == 0 ? 0 : (j - 1) * 10 + 2;
        case 2:
            return j % n == 0 ? 0 : (j + 1) * 10 + 1;
        case 3:
            return (j - n) * 10 + 4;
        default:
            return j + n <= last ? (j + n) * 10 + 3 : 0;
        }
    };
    Contributions rotation, displacement;
    std::vector<std::pair<Contributions, Contributions>> out;
    for (int c = 1; c <= cycles; ++c) {
        for (int j = n + 1; j <= last; ++j) {
            // Σ clockwise fixed-end moments: M1 as typed at the joint (the left beam's
            // right end, or a cantilever), M2 as typed reversed (the right beam's left end).
            double sum = TypedM1(m.M1[j]).value() - m.M2[j].value(), k = 0;
            for (int member = 1; member <= 4; ++member) {
                if (const int f = far(j, member); f != 0) {
                    k += m.K[j][member];
                    sum += rotation[f] + (member == 3   ? displacement[j]
                                          : member == 4 ? displacement[j + n]
                                                        : 0);
                }
            }
            for (int member = 1; member <= 4; ++member) {
                if (far(j, member) != 0 && k != 0) {
                    rotation[j * 10 + member] = -0.5 * m.K[j][member] / k * sum;
                }
            }
        }
        for (int top = n + 1; top <= last; top += n) { // each floor's first joint
            double columns = 0, ends = 0;
            for (int j = top; j < top + n; ++j) {
                columns += m.K[j][3];
                ends += rotation[j * 10 + 3] + rotation[(j - n) * 10 + 4];
            }
            for (int j = top; j < top + n; ++j) {
                displacement[j] = -1.5 * m.K[j][3] / columns * ends;
            }
        }
        out.emplace_back(rotation, displacement);
    }
    return out;
}

/// The cycle numbers of the kani table's columns, 0 for "…".
std::vector<int> CycleColumns(const TableRows& table) {
    std::vector<int> cycles;
    for (std::size_t c = 2; c < table[0].size(); ++c) {
        const std::string& head = table[0][c];
        cycles.push_back(head.starts_with("cycle ") ? std::stoi(head.substr(6)) : 0);
    }
    return cycles;
}

// Every cell of the kani table is Kani's own number for its row and cycle, worked
// independently, on frames with columns above and below, cantilevers at both
// ends, storeys of unequal columns, and a portal of negative columns whose run
// hovers to the cycle limit, shown as 1..7, "…", 999 and 1000.
TEST(KaniWorksheet, EveryContributionIsKanisOwn) {
    for (const FrameModel& frame : {Tower(), CantileverFrame(), Portal(-1.1, -1.1)}) {
        const CheckedFrame checked = Checked(frame);
        const TableRows table = TableById(checked.page(), "kani");
        const std::vector<int> cycles = CycleColumns(table);
        ASSERT_GE(cycles.size(), 2u) << frame.ProjectName;
        const auto kani = KaniFromZero(frame, cycles.back());
        for (std::size_t r = 1; r < table.size(); ++r) {
            const auto& row = table[r];
            const bool storey = row[0].starts_with("storey ");
            const int j = std::stoi(storey ? row[1] : row[0]);
            for (std::size_t c = 0; c < cycles.size(); ++c) {
                if (cycles[c] == 0) {
                    EXPECT_EQ(row[c + 2], "…");
                    continue;
                }
                const auto& [rotation, displacement] = kani[cycles[c] - 1u];
                const double expected =
                    storey ? displacement.at(j) : rotation.at(j * 10 + std::stoi(row[1]));
                EXPECT_NEAR(Number(row[c + 2]), expected, 6e-6 * std::fabs(expected) + 1e-12)
                    << frame.ProjectName << " row " << row[0] << "/" << row[1] << " cycle "
                    << cycles[c];
            }
        }
        // A row for every column, and for every member end but a base's.
        const auto& [rotation, displacement] = kani.back();
        std::size_t rows = displacement.size() + 1;
        for (const auto& [end, value] : rotation) {
            rows += end / 10 > CountsOf(frame).columns ? 1 : 0;
        }
        EXPECT_EQ(table.size(), rows) << frame.ProjectName;
    }
}

// The portal worked by hand from zero: k = 2 for the beam, 3 for each column;
// Σ k = 5 at each corner, so Kani's rotation factors are −0.2 (beam) and −0.3
// (column); the displacement factor −1.5 × 3 / 6 = −0.75 for each column. The
// restrained moments are −36 at joint 3 (the beam's left end) and +36 at joint 4.
// Cycle 1: joint 3, −36 → beam 7.2, column 10.8; joint 4, 36 + 7.2 = 43.2 → beam
// −8.64, column −12.96; columns' ends 10.8 − 12.96 = −2.16 → 1.62 each.
// Cycle 2: joint 3, −36 − 8.64 + 1.62 = −43.02 → 8.604, 12.906; joint 4, 36 +
// 8.604 + 1.62 = 46.224 → −9.2448, −13.8672; 12.906 − 13.8672 = −0.9612 →
// 0.7209 each. The last cycle shown, within 0.1 %, gives the closed-form end
// moments in Kani's terms: fixed-end moment + 2 × near + far (+ displacement) is
// −27 for the beam at joint 3 and +27 for the column under it.
TEST(KaniWorksheet, APortalWorkedByHandFromZero) {
    const CheckedFrame portal = Checked(Portal(3, 3));
    const std::string page = portal.page();
    const TableRows kani = TableById(page, "kani");
    ASSERT_EQ(kani.size(), 7u);
    const char* rows[][4] = {
        {"3", "2", "7.2", "8.604"},          {"3", "3", "10.8", "12.906"},
        {"4", "1", "-8.64", "-9.2448"},      {"4", "3", "-12.96", "-13.8672"},
        {"storey 1", "3", "1.62", "0.7209"}, {"storey 1", "4", "1.62", "0.7209"}};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 4; ++c) {
            EXPECT_EQ(kani[r + 1][c], rows[r][c]) << r;
        }
    }
    auto last = [&kani](std::size_t row) { return Number(kani[row].back()); };
    EXPECT_NEAR(-36 + 2 * last(1) + last(3), -27, 0.027); // beam at joint 3, within 0.1 %
    EXPECT_NEAR(2 * last(2) + last(5), 27, 0.027);        // column top at joint 3
    EXPECT_NE(page.find("Started from zero, the end moments come within 1 % of the exact ones "
                        "at cycle "),
              std::string::npos);
}

// The restrained moment is the sum of the clockwise fixed-end moments at a joint,
// a cantilever's included: at the portal's joint 3, 10 typed as a cantilever's M1
// and the beam's −36 give −26, and M(0) = 26 / 10.
TEST(KaniWorksheet, TheRestrainedMomentTakesTheCantileverIn) {
    FrameModel m = Portal(3, 3);
    m.M1[3] = StoredM1(10);
    const TableRows factors = TableById(Checked(m).page(), "factors");
    ASSERT_EQ(factors[0][1], "restrained moment, kN·m");
    EXPECT_EQ(factors[1][0] + " " + factors[1][1] + " " + factors[1][3], "3 -26 2.6");
    EXPECT_EQ(factors[2][0] + " " + factors[2][1] + " " + factors[2][3], "4 36 -3.6");
}

/// Every text between `prefix` and the next '"' in `text`.
std::set<std::string> Between(const std::string& text, const std::string& prefix) {
    std::set<std::string> found;
    for (std::size_t at = text.find(prefix); at != std::string::npos;
         at = text.find(prefix, at + 1)) {
        const std::size_t from = at + prefix.size();
        found.insert(text.substr(from, text.find('"', from) - from));
    }
    return found;
}

// Every section and table of the page is linked from the contents at its top, and
// every link there leads to one of them.
TEST(FramePageContents, LinkEverySectionAndTable) {
    for (const FrameModel& frame : {Portal(3, 3), FilledFrame(3, 3), FilledFrame(1, 100)}) {
        const std::string page = Checked(frame).page();
        const std::size_t open = page.find("<nav id=\"contents\"");
        ASSERT_LT(open, page.find("<figure>")) << frame.ProjectName;
        std::set<std::string> ids = Between(page, "<section id=\"");
        ids.merge(Between(page, "<table id=\""));
        EXPECT_EQ(Between(page.substr(open, page.find("</nav>", open) - open), "href=\"#"), ids)
            << frame.ProjectName;
        EXPECT_GE(ids.size(), 25u) << frame.ProjectName; // 13 sections, 12 tables
    }
}

/// Evaluates a worked-step expression as printed: numbers ("-" part of a number),
/// "+", "−", "×", brackets; × before + and −, left to right. `size` collects the
/// magnitudes added, the scale of the rounding in the printed digits.
struct Printed {
    std::string s;
    std::size_t at = 0;
    double size = 0;

    bool take(const std::string& token) {
        const bool found = s.compare(at, token.size(), token) == 0;
        at += found ? token.size() : 0;
        return found;
    }
    double factor() {
        std::size_t used = 0;
        const double value = take("(") ? sum() : std::stod(s.substr(at), &used);
        EXPECT_TRUE(used != 0 || take(")")) << s << " at " << at;
        at += used;
        return value;
    }
    double product() {
        double value = factor();
        while (take(" × ")) {
            value = value * factor();
        }
        size += std::fabs(value);
        return value;
    }
    double sum() {
        for (double value = product();;) {
            if (take(" + ")) {
                value = value + product();
            } else if (take(" \u2212 ")) {
                value = value - product();
            } else {
                return value;
            }
        }
    }
};

// Each value line of the worked step, evaluated from its own printed numbers,
// gives the result it prints: so no formula of the code can change without its
// text, on frames of one or many joints, cantilevers, and no load at all.
TEST(WorkedStep, EveryEquationHoldsForItsPrintedNumbers) {
    for (const FrameModel& frame :
         {Tower(), CantileverFrame(), Portal(3, 3), FilledFrame(3, 3), Scaled(Portal(3, 1), 0)}) {
        const std::string page = Checked(frame).page();
        const std::size_t from = page.find("<section id=\"worked\">");
        const std::string worked = page.substr(from, page.find("</section>", from) - from);
        int results = 0;
        std::vector<double> chain; // the values of one equation's lines so far
        for (std::size_t at = worked.find("<p>= "); at != std::string::npos;
             at = worked.find("<p>= ", at + 1)) {
            std::string line = worked.substr(at + 5, worked.find("</p>", at) - at - 5);
            const std::size_t result = line.find(" kN·m (");
            std::string printed;
            if (result != std::string::npos) { // "… = RESULT kN·m (…)": the last line
                const std::size_t equals = line.rfind(" = ", result);
                printed = line.substr(equals + 3, result - equals - 3);
                line = line.substr(0, equals);
            }
            Printed expression{line};
            chain.push_back(expression.sum());
            EXPECT_EQ(expression.at, line.size()) << line;
            if (!printed.empty()) {
                for (double value : chain) {
                    EXPECT_NEAR(value, std::stod(printed), 1e-13 * expression.size + 1e-300)
                        << frame.ProjectName << ": " << line;
                }
                chain.clear();
                ++results;
            }
        }
        EXPECT_EQ(results, 3) << frame.ProjectName;
    }
}

// A cycle whose moments leave the range of numbers is a run-away: its share is
// +∞, never within any share, and no row of the cycles table is marked within.
TEST(Convergence, ARunawayBeyondTheRangeOfNumbersIsNeverWithin) {
    FrameEndMoments cycle, exact;
    exact.moments[3][2] = 10, exact.moments[4][1] = -10;
    cycle.moments[3][2] = std::nan(""), cycle.moments[4][1] = -10;
    EXPECT_EQ(CompareEndMoments(cycle, exact).share(), INFINITY);
    cycle.moments[3][2] = -INFINITY;
    EXPECT_EQ(CompareEndMoments(cycle, exact).share(), INFINITY);

    const CheckedFrame huge = Checked(Scaled(Portal(-1.5, -1.5), 1e250));
    EXPECT_EQ(huge.check.convergence.outcome, Convergence::Outcome::Diverged);
    EXPECT_EQ(huge.check.convergence.shares.back(), INFINITY);
    const TableRows cycles = TableById(huge.page(), "cycles");
    for (std::size_t r = 1; r + 1 < cycles.size(); ++r) { // the balance row apart
        EXPECT_EQ(cycles[r][3], "") << cycles[r][0];
    }
    EXPECT_EQ(cycles[cycles.size() - 2][2], "diverged");
}

} // namespace
