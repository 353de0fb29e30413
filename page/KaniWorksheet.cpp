#include "page/KaniWorksheet.h"

#include "analysis/JointMembers.h"
#include "markup/HtmlText.h"
#include "page/ConvergenceTables.h"
#include "page/PageText.h"

#include <string>
#include <vector>

namespace {

const std::string Ellipsis = "\xE2\x80\xA6";

/// "cycle 5", or "no cycle" when the run never comes within.
std::string CycleWithin(const Convergence& c, double share) {
    const int cycle = FirstCycleWithin(c, share);
    return cycle > 0 ? "cycle " + WholeToText(cycle) : "no cycle";
}

/// Where both starts come within 1 % and 0.1 %, or why there is nothing to say.
std::string Comparison(const FrameCheck& check) {
    const Convergence& zero = check.fromZero;
    const Convergence& own = check.convergence;
    switch (zero.outcome) {
    case Convergence::Outcome::NotSolved:
        return "The frame has no exact solution to measure the cycles against, so only cycle 1 "
               "is shown.";
    case Convergence::Outcome::Diverged:
        return "Started from zero, the cycles run away by cycle " + WholeToText(zero.lastCycle()) +
               ", as they do from M(0).";
    case Convergence::Outcome::MoreThanLimit:
        return "Started from zero, the cycles are not within " + PercentText(CloseShare) +
               " after " + WholeToText(CycleLimit) + " cycles.";
    case Convergence::Outcome::Reached:
        break;
    }
    return "Started from zero, the end moments come within " + PercentText(NearShare) + " of the " +
           "exact ones at " + CycleWithin(zero, NearShare) + " and within " +
           PercentText(CloseShare) + " at " + CycleWithin(zero, CloseShare) +
           "; started from M(0), as the method's own cycles are, at " +
           CycleWithin(own, NearShare) + " and " + CycleWithin(own, CloseShare) + ".";
}

/// The header: the two labels, then each shown cycle.
std::vector<std::string> Heads(const std::vector<int>& shown) {
    std::vector<std::string> heads = {"joint, or storey", "member, or the column's top joint"};
    for (int cycle : shown) {
        heads.push_back(cycle < 0 ? Ellipsis : "cycle " + WholeToText(cycle) + ", kN·m");
    }
    return heads;
}

/// The contributions k × value(state) of one row, over the shown cycles.
template <class Value>
void AppendContributions(HtmlTable& table, const std::vector<CycleState>& states,
                         const std::vector<int>& shown, double k, Value value) {
    for (int cycle : shown) {
        if (cycle < 0) {
            table.text(Ellipsis);
        } else {
            table.number(k * value(states[static_cast<std::size_t>(cycle)]));
        }
    }
}

void AppendTable(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const std::vector<CycleState>& states = check.fromZero.states;
    const std::vector<int> shown = ShownCycles(1, static_cast<int>(states.size()) - 1);
    const std::vector<std::string> heads = Heads(shown);
    HtmlTable table(out, "kani", std::vector<std::string_view>(heads.begin(), heads.end()));
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            const auto at = static_cast<std::size_t>(j);
            const JointMembers members = MembersOf(counts, floor, f, j);
            for (int m = 1; m <= MemberCount; ++m) {
                if (!members.has(m)) {
                    continue;
                }
                table.row().whole(j).whole(m);
                AppendContributions(table, states, shown, model.K[at][m],
                                    [at](const CycleState& s) { return s.rotation[at]; });
            }
        }
    }
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        const auto storey = static_cast<std::size_t>(f);
        for (int j = floor.First; j <= floor.Last; ++j) {
            table.row().text("storey " + WholeToText(f)).whole(j);
            AppendContributions(table, states, shown, model.K[static_cast<std::size_t>(j)][3],
                                [storey](const CycleState& s) { return s.storey[storey]; });
        }
    }
}

} // namespace

void AppendKaniWorksheet(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendParagraph(
        out,
        "The sweep above, run as Kani's iteration runs it: from M = 0 at every joint and storey "
        "moments 0, so that cycle 1 starts from the restrained moments alone. Each row gives a "
        "member end's rotation contribution, k × M of its joint, after each cycle, and for each "
        "column its displacement contribution, k3 × the moment of its storey (k3 as typed at the "
        "column's top joint); the factors are Kani's, Y(m) and the sway factors of the table "
        "above. Members are numbered as in the method: 1 the left beam, 2 the right beam, 3 the "
        "column below, 4 the column above. The cycles run until their end moments are within " +
            PercentText(CloseShare) + " of the exact ones, measured as in the cycles table above.");
    AppendParagraph(out, Comparison(check));
    AppendParagraph(out, "In Kani's terms a member's end moment = its fixed-end moment + 2 × the "
                         "rotation contribution at its near end + the one at its far end, + its "
                         "displacement contribution for a column. With the contributions of the "
                         "exact values, k × φ and k × ψ, it is the exact end moment of the "
                         "end-moments table.");
    AppendTable(out, model, check);
}
