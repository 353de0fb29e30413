// The student's worksheet: Kani's iteration from zero, and the page's contents.

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
    Contributions rotation, displacement;
    std::vector<std::pair<Contributions, Contributions>> out;
    for (int c = 1; c <= cycles; ++c) {
        for (int j = n + 1; j <= last; ++j) {
            // Σ clockwise fixed-end moments: M1 as typed at the joint (the left beam's
            // right end, or a cantilever), M2 as typed reversed (the right beam's left end).
            double sum = TypedM1(m.M1[j]).value() - m.M2[j].value(), k = 0;
            // Each member's far end, 0 where the joint lacks the member; a column below a
            // floor 1 joint ends at a base, which does not rotate (never swept, so 0).
            const int far[] = {0, (j - 1) % n == 0 ? 0 : (j - 1) * 10 + 2,
                               j % n == 0 ? 0 : (j + 1) * 10 + 1, (j - n) * 10 + 4,
                               j + n <= last ? (j + n) * 10 + 3 : 0};
            for (int member = 1; member <= 4; ++member) {
                if (const int f = far[member]; f != 0) {
                    k += m.K[j][member];
                    sum += rotation[f] + (member == 3   ? displacement[j]
                                          : member == 4 ? displacement[j + n]
                                                        : 0);
                }
            }
            for (int member = 1; member <= 4; ++member) {
                if (far[member] != 0 && k != 0) {
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

// Every cell of the kani table is Kani's own number for its row and cycle, worked
// independently, on frames with columns above and below, cantilevers at both
// ends, storeys of unequal columns, and a portal of negative columns whose run
// hovers to the cycle limit, shown as 1..7, "…", 999 and 1000.
TEST(KaniWorksheet, EveryContributionIsKanisOwn) {
    for (const FrameModel& frame : {Tower(), CantileverFrame(), Portal(-1.1, -1.1)}) {
        const CheckedFrame checked = Checked(frame);
        const TableRows table = TableById(checked.page(), "kani");
        std::vector<int> cycles; // each column's cycle after joint and member, 0 for "…"
        for (std::size_t c = 2; c < table.at(0).size(); ++c) {
            const std::string& head = table[0][c];
            cycles.push_back(head.starts_with("cycle ") ? std::stoi(head.substr(6)) : 0);
        }
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
                    << frame.ProjectName << " " << row[0] << "/" << row[1] << " " << cycles[c];
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

} // namespace
