#include "markup/HtmlText.h"
#include "model/NumberText.h"
#include "page/PageTables.h"

#include <string>
#include <vector>

namespace {

// A long run of cycles is shown by its first ones, the row where 1 % is first
// reached, and its last two.
constexpr int ShortRun = 12;
constexpr int FirstShown = 10;

/// The cycles whose rows the table shows, 0 standing for an elided stretch.
std::vector<int> ShownCycles(int last, int nearCycle) {
    std::vector<int> shown;
    for (int c = 1; c <= last; ++c) {
        const bool kept = last <= ShortRun || c <= FirstShown || c >= last - 1 || c == nearCycle;
        if (kept) {
            shown.push_back(c);
        } else if (shown.empty() || shown.back() != 0) {
            shown.push_back(0);
        }
    }
    return shown;
}

/// "within 1 %", "within 0.1 %", both, or nothing, for table row `row`.
std::string ReachedMark(int row, int nearRow, int closeRow) {
    if (row == nearRow && row == closeRow) {
        return "within 1 % and 0.1 %";
    }
    if (row == nearRow) {
        return "within 1 %";
    }
    return row == closeRow ? "within 0.1 %" : "";
}

void AppendShareRow(HtmlTable& table, int cycle, std::string_view measure, double share,
                    bool diverged, const std::string& mark) {
    table.row(mark.empty() ? "" : "reached").whole(cycle).text(measure);
    if (diverged) {
        table.text("diverged");
    } else {
        table.number(share * 100);
    }
    table.text(mark);
}

} // namespace

void AppendCycleTable(std::string& out, const FrameCheck& check) {
    const Convergence& c = check.convergence;
    HtmlTable table(out, "cycles",
                    {"cycle", "end moments",
                     "largest difference from exact, % of the largest "
                     "exact end moment",
                     "mark"});
    if (c.outcome == Convergence::Outcome::NotSolved) {
        table.row().whole(1).text("after the balance, as in the reports").empty();
        table.text("no exact solution");
        return;
    }
    const int nearRow = FirstRowWithin(c, NearShare);
    const int closeRow = FirstRowWithin(c, CloseShare);
    const int last = c.lastCycle();
    const bool diverged = c.outcome == Convergence::Outcome::Diverged;
    // From cycle 2 on, a cycle's row number is the cycle's own.
    for (int cycle : ShownCycles(last, nearRow)) {
        if (cycle == 0) {
            table.row().text("\xE2\x80\xA6").empty().empty().empty();
            continue;
        }
        const double share = c.shares[static_cast<std::size_t>(cycle) - 1];
        const bool runaway = diverged && cycle == last;
        if (cycle == 1) {
            AppendShareRow(table, 1, "before the balance", share, runaway,
                           ReachedMark(0, nearRow, closeRow));
            AppendShareRow(table, 1, "after the balance, as in the reports", c.balancedShare, false,
                           ReachedMark(1, nearRow, closeRow));
        } else {
            AppendShareRow(table, cycle, "", share, runaway, ReachedMark(cycle, nearRow, closeRow));
        }
    }
    if (c.outcome == Convergence::Outcome::MoreThanLimit) {
        table.row().empty().text("not within 0.1 % after " + NumberToText(CycleLimit) + " cycles");
        table.empty().empty();
    }
}

void AppendRotationTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const auto& kept = check.convergence.kept;
    std::vector<std::string> names = {"joint or storey"};
    for (const auto& [cycle, state] : kept) {
        names.push_back("M(" + NumberToText(cycle) + "), kN·m");
    }
    names.emplace_back("exact φ or ψ, kN·m");
    HtmlTable table(out, "rotations", std::vector<std::string_view>(names.begin(), names.end()));
    const FrameCounts counts = CountsOf(model);
    const bool exact = check.exact.solved;
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        table.row().text(NumberToText(j));
        for (const auto& [cycle, state] : kept) {
            table.number(state.rotation[at]);
        }
        table.numberIf(exact, check.exact.rotation[at]);
    }
    for (int f = 1; f <= counts.floors; ++f) {
        const auto at = static_cast<std::size_t>(f);
        table.row().text("storey " + NumberToText(f));
        for (const auto& [cycle, state] : kept) {
            table.number(state.storey[at]);
        }
        table.numberIf(exact, check.exact.storey[at]);
    }
}
