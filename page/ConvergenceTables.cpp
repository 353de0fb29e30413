#include "page/ConvergenceTables.h"

#include "markup/HtmlText.h"
#include "model/NumberText.h"
#include "page/PageText.h"

#include <string>
#include <vector>

namespace {

// A long run of cycles is shown by its first ones, the cycle where 1 % is first
// reached, and its last two.
constexpr int ShortRun = 12;
constexpr int FirstShown = 10;

const std::string Ellipsis = "\xE2\x80\xA6";

/// "within 1 %", "within 0.1 %", both, or nothing, for a cycle that first comes
/// within `near` or `close` of the exact end moments.
std::string WithinMark(bool near, bool close) {
    if (near && close) {
        return "within " + PercentText(NearShare) + " and " + PercentText(CloseShare);
    }
    if (near) {
        return "within " + PercentText(NearShare);
    }
    return close ? "within " + PercentText(CloseShare) : "";
}

void AppendShareRow(HtmlTable& table, std::string_view rowClass, int cycle,
                    std::string_view measure, double share, bool diverged,
                    const std::string& mark) {
    table.row(rowClass).whole(cycle).text(measure);
    if (diverged) {
        table.text("diverged");
    } else {
        table.number(share * 100);
    }
    table.text(mark);
}

} // namespace

int FirstCycleWithin(const Convergence& convergence, double share) {
    const std::vector<double>& shares = convergence.shares;
    for (std::size_t c = 0; c < shares.size(); ++c) {
        if (shares[c] <= share) {
            return static_cast<int>(c) + 1;
        }
    }
    return -1;
}

std::vector<int> ShownCycleRows(int last, int nearCycle) {
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

std::vector<int> ShownCycles(int first, int last) {
    std::vector<int> shown;
    for (int c = first; c <= last; ++c) {
        if (last <= AllCyclesUpTo || c <= LastOfFirstCycles || c >= last - 1) {
            shown.push_back(c);
        } else if (shown.back() != -1) {
            shown.push_back(-1);
        }
    }
    return shown;
}

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
    const int nearCycle = FirstCycleWithin(c, NearShare);
    const int closeCycle = FirstCycleWithin(c, CloseShare);
    const int last = c.lastCycle();
    const bool diverged = c.outcome == Convergence::Outcome::Diverged;
    for (int cycle : ShownCycleRows(last, nearCycle)) {
        if (cycle == 0) {
            table.row().text(Ellipsis).empty().empty().empty();
            continue;
        }
        const double share = c.shares[static_cast<std::size_t>(cycle) - 1];
        const std::string mark = WithinMark(cycle == nearCycle, cycle == closeCycle);
        AppendShareRow(table, mark.empty() ? "" : "reached", cycle,
                       cycle == 1 ? "before the balance" : "", share, diverged && cycle == last,
                       mark);
    }
    if (c.outcome == Convergence::Outcome::MoreThanLimit) {
        table.row().empty().text("not within " + PercentText(CloseShare) + " after " +
                                 WholeToText(CycleLimit) + " cycles");
        table.empty().empty();
    }
    // Not a step of the cycles: cycle 2 sweeps on from cycle 1 before the balance.
    const double balanced = check.oneCycleDifference.share();
    AppendShareRow(table, "balance", 1,
                   "after the balance, as in the reports: a one-off correction, not a cycle",
                   balanced, false, WithinMark(balanced <= NearShare, balanced <= CloseShare));
}

void AppendRotationTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const std::vector<CycleState>& states = check.convergence.states;
    const std::vector<int> shown = ShownCycles(0, static_cast<int>(states.size()) - 1);
    std::vector<std::string> names = {"joint or storey"};
    for (int cycle : shown) {
        names.push_back(cycle < 0 ? Ellipsis : "M(" + WholeToText(cycle) + "), kN·m");
    }
    names.emplace_back("exact φ or ψ, kN·m");
    HtmlTable table(out, "rotations", std::vector<std::string_view>(names.begin(), names.end()));
    const FrameCounts counts = CountsOf(model);
    const bool exact = check.exact.solved;
    auto row = [&](const std::string& name, auto value, double exactValue) {
        table.row().text(name);
        for (int cycle : shown) {
            if (cycle < 0) {
                table.text(Ellipsis);
            } else {
                table.number(value(states[static_cast<std::size_t>(cycle)]));
            }
        }
        table.numberIf(exact, exactValue);
    };
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        row(
            WholeToText(j), [at](const CycleState& s) { return s.rotation[at]; },
            check.exact.rotation[at]);
    }
    for (int f = 1; f <= counts.floors; ++f) {
        const auto at = static_cast<std::size_t>(f);
        row(
            "storey " + WholeToText(f), [at](const CycleState& s) { return s.storey[at]; },
            check.exact.storey[at]);
    }
}
