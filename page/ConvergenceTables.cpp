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
// The rotations table shows cycles 0..4 and the last.
constexpr int RotationCyclesShown = 5;

/// The first row of the cycles table within `share`, counting rows as the table
/// lists them: cycle 1 before the balance is row 0, cycle 1 after it row 1,
/// cycle c ≥ 2 row c. −1 when no row is.
int FirstRowWithin(const Convergence& convergence, double share) {
    const std::vector<double>& shares = convergence.shares;
    for (std::size_t c = 0; c < shares.size(); ++c) {
        if (shares[c] <= share) {
            return static_cast<int>(c == 0 ? 0 : c + 1);
        }
        if (c == 0 && convergence.balancedShare <= share) {
            return 1;
        }
    }
    return -1;
}

/// The cycles whose rotation and storey moments the rotations table shows.
std::vector<int> RotationCycles(const Convergence& c) {
    const int last = static_cast<int>(c.states.size()) - 1;
    std::vector<int> shown;
    for (int cycle = 0; cycle <= last; ++cycle) {
        if (cycle < RotationCyclesShown || cycle == last) {
            shown.push_back(cycle);
        }
    }
    return shown;
}

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
    const std::vector<CycleState>& states = check.convergence.states;
    const std::vector<int> shown = RotationCycles(check.convergence);
    std::vector<std::string> names = {"joint or storey"};
    for (int cycle : shown) {
        names.push_back("M(" + NumberToText(cycle) + "), kN·m");
    }
    names.emplace_back("exact φ or ψ, kN·m");
    HtmlTable table(out, "rotations", std::vector<std::string_view>(names.begin(), names.end()));
    const FrameCounts counts = CountsOf(model);
    const bool exact = check.exact.solved;
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        table.row().text(NumberToText(j));
        for (int cycle : shown) {
            table.number(states[static_cast<std::size_t>(cycle)].rotation[at]);
        }
        table.numberIf(exact, check.exact.rotation[at]);
    }
    for (int f = 1; f <= counts.floors; ++f) {
        const auto at = static_cast<std::size_t>(f);
        table.row().text("storey " + NumberToText(f));
        for (int cycle : shown) {
            table.number(states[static_cast<std::size_t>(cycle)].storey[at]);
        }
        table.numberIf(exact, check.exact.storey[at]);
    }
}
