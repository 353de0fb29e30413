#include "page/FramePage.h"

#include "drawing/DiagramStyle.h"
#include "drawing/MomentDiagram.h"
#include "markup/HtmlText.h"
#include "model/NumberText.h"
#include "page/HandCalculation.h"
#include "page/PageTables.h"
#include "page/PageText.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// Generic font families only: the page loads nothing. Printed, the tables take
// the width of an A4 page in a small type; the diagram is drawn in parts that
// fit it, with rules of its own after these (DiagramStyleSheet).
constexpr std::string_view StyleSheet =
    R"(body{font-family:serif;margin:1.5em auto;max-width:60em;padding:0 1em;color:#000;background:#fff}
h1{font-size:1.6em;margin:0 0 .3em}
h2{font-size:1.2em;margin:1.4em 0 .4em}
p{margin:.3em 0}
div.warning{border:1px solid #a33;padding:.3em .5em;margin:.5em 0;background:#fbecea}
table{border-collapse:collapse;width:100%;margin:.4em 0 .8em;font-family:sans-serif;font-size:.8em}
th,td{border:1px solid #999;padding:.15em .35em}
th{background:#e8e8e8;font-weight:bold;text-align:center;vertical-align:bottom}
td{text-align:right}
tr.largest td,tr.reached td,tr.differs td{font-weight:bold;background:#fff1b8}
tr.balance td{border-top:3px double #555;font-style:italic;background:#eef3fb}
figure{margin:.5em 0}
@page{size:A4;margin:12mm}
@media print{body{margin:0;padding:0;max-width:none;font-size:10pt}table{font-size:7pt}h2,h2+p{break-after:avoid}tr,#cycles,#storeys,#bases{break-inside:avoid}}
)";

void AppendHead(std::string& out, const FrameModel& model) {
    out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendEscaped(out, model.ProjectName);
    out += " \xE2\x80\x93 frame check</title>\n<style>\n";
    out += StyleSheet;
    out += DiagramStyleSheet();
    out += "</style>\n</head>\n<body>\n<h1>";
    AppendEscaped(out, model.ProjectName);
    out += "</h1>\n";
}

/// "1 floor", "4 floors".
std::string Count(int count, const char* one, const char* many) {
    return WholeToText(count) + ' ' + (count == 1 ? one : many);
}

/// What makes the page's numbers describe no real frame, or the one cycle
/// approximate nothing: each said once.
std::vector<std::string> Warnings(const FrameCheck& check) {
    std::vector<std::string> warnings;
    if (!check.exact.solved) {
        warnings.push_back("The frame has no unique solution: " + check.exact.whyNot +
                           " The picture shows the one cycle alone, and the columns of the exact "
                           "solution are empty.");
    }
    if (const auto& k = check.negative) {
        warnings.push_back("A stiffness is negative: k" + WholeToText(k->member) + " = " +
                           NumberToText(k->k, PageDigits) + " at joint " + NumberToText(k->joint) +
                           " (the first one). A negative stiffness describes no real member, so "
                           "neither the one cycle nor the exact solution describes a real frame.");
    }
    if (check.convergence.outcome == Convergence::Outcome::Diverged) {
        warnings.push_back("Repeated, the cycles diverge: by cycle " +
                           WholeToText(check.convergence.lastCycle()) +
                           " they have run away from the exact solution, so the one cycle of the "
                           "reports approximates nothing.");
    }
    return warnings;
}

void AppendWarnings(std::string& out, const FrameCheck& check) {
    const std::vector<std::string> warnings = Warnings(check);
    if (warnings.empty()) {
        return;
    }
    out += "<div class=\"warning\" role=\"alert\">\n";
    for (const std::string& warning : warnings) {
        AppendParagraph(out, warning);
    }
    out += "</div>\n";
}

void AppendIntroduction(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const FrameCounts counts = CountsOf(model);
    AppendParagraph(out, Count(counts.floors, "floor", "floors") + ", " +
                             Count(counts.columns, "column", "columns") + " per floor, " +
                             Count(counts.columns - 1, "bay", "bays") + " per floor; joints " +
                             WholeToText(counts.columns + 1) + " to " +
                             WholeToText(counts.lastJoint) + " on the floors, base joints 1 to " +
                             WholeToText(counts.columns) + "; " +
                             Count(counts.totalBays, "bay record", "bay records") + ".");
    AppendParagraph(out, "Units as on the panels: loads in kN and kN/m, spans and positions in m, "
                         "moments in kN·m.");
    AppendParagraph(out, "Member-end moments act on the member end and are clockwise positive. "
                         "Midspan and span moments are sagging positive, reactions are positive "
                         "upward, and column forces are positive in compression.");
    AppendWarnings(out, check);
}

void AppendDiagram(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendHeading(out, "Bending moments");
    out += "<figure>\n";
    AppendMomentDiagram(out, model, check);
    out += "<figcaption>";
    AppendEscaped(out, check.exact.solved
                           ? "Bending moments of the exact solution, with the one cycle's "
                             "corrected moments dashed. Storeys are drawn of equal height and "
                             "bays as wide as floor 1's spans, but none narrower than 0.4 of "
                             "their mean or wider than the page."
                           : "Bending moments of the one cycle. Storeys are drawn of equal height "
                             "and bays as wide as floor 1's spans, but none narrower than 0.4 of "
                             "their mean or wider than the page.");
    out += "</figcaption>\n</figure>\n";
}

/// "record 3 (floor 1, bay 2), record 5 (…)": the bays whose typed load terms
/// differ from their loads.
std::string DifferingBays(const FrameCheck& check) {
    std::string list;
    for (const BayCheck& bay : check.bays) {
        if (bay.mismatch) {
            list += (list.empty() ? "" : ", ") + std::string("record ") + WholeToText(bay.record) +
                    " (floor " + WholeToText(bay.floor) + ", bay " + WholeToText(bay.bay) + ")";
        }
    }
    return list;
}

void AppendHandCalculation(std::string& out, const FrameModel& model) {
    AppendMethodSection(out);
    AppendHeading(out, "Joint and sway factors");
    AppendParagraph(out, "Each joint's factors as the main report prints them, and the sway "
                         "factor of the column below it in its storey. A dash marks a pure "
                         "number.");
    AppendFactorTable(out, model);
    AppendWorkedStep(out, model);
}

void AppendCycleSections(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendHeading(out, "Convergence, cycle by cycle");
    AppendParagraph(out, "The cycles of the method repeated, as a student tabulates them, until "
                         "the sweep itself is within 0.1 %. Each row gives the largest difference "
                         "of any end moment, base ends and cantilevers included, formed from "
                         "that cycle's M and storey moments, from the exact one, as a share of "
                         "the largest exact end moment. The last row, set apart, is cycle 1 "
                         "after the balance, the corrected moments CM that the reports hold: a "
                         "one-off correction, not a step of the iteration, which goes on from "
                         "cycle 1 before it.");
    AppendCycleTable(out, check);
    AppendHeading(out, "Rotation and storey moments by cycle");
    AppendParagraph(out, "Each joint's rotation moment M and each storey's moment after each "
                         "cycle, as a hand calculation tabulates them: M(0) with the storey "
                         "moments (0) at the start, M(1) with the storey moments (1) after the "
                         "first sweep, as in the main report, and every later cycle up to the "
                         "one within 0.1 % (of a run longer than 10 cycles, cycles 0 to 7 and "
                         "the last two). The last column is the exact solution, φ and ψ, that "
                         "the cycles approach.");
    AppendRotationTable(out, model, check);
}

void AppendCheckSections(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendCycleSections(out, model, check);
    AppendHeading(out, "Member-end moments");
    AppendParagraph(out, "Member 1 is the left beam, 2 the right beam, 3 the column below and 4 "
                         "the column above; a cantilever is member 1 or 2 of a floor's end joint, "
                         "and the base ends are member 4 of base joints. Before the balance the "
                         "one cycle's moments are formed from M(1) and the storey moments (1); "
                         "the balance then gives the corrected moments of the reports.");
    AppendEndMomentTable(out, model, check);
    AppendHeading(out, "Joint balance");
    AppendParagraph(out, "The sum of each joint's end moments, a cantilever's included. Before "
                         "the balance it is the unbalance that the balance distributes over the "
                         "joint's members in proportion to their stiffness; after the balance, "
                         "and in the exact solution, it is 0: the joint is in equilibrium. A sum "
                         "below 1e-9 of the largest exact end moment is rounding and prints as "
                         "0.");
    AppendJointTable(out, model, check);
    AppendHeading(out, "Storeys");
    AppendParagraph(out, "The sum of each storey's column end moments, top and bottom. With no "
                         "horizontal load the column shears add up to 0, and so does this sum: "
                         "what the one cycle leaves is a horizontal force that no load explains. "
                         "A sum below 1e-9 of the largest exact end moment prints as 0.");
    AppendStoreyTable(out, model, check);
    AppendHeading(out, "Bays");
    AppendParagraph(out, "Reactions and the largest sagging moment from the exact end moments; "
                         "a span that hogs all along has none. Fixed-end moments of each bay's "
                         "loads are written as M2 and M1 are typed; a mark shows where the typed "
                         "moments differ by more than 0.5 %.");
    const std::string differing = DifferingBays(check);
    AppendParagraph(out, differing.empty()
                             ? "The typed moments agree with the loads in every bay."
                             : "The typed moments differ from the loads in " + differing + ".");
    AppendBayTable(out, check);
    AppendHeading(out, "Columns and bases");
    AppendParagraph(out, "Storey heights are not input, so no horizontal reactions or column "
                         "shears are given. A cantilever's moment is typed but not its shear, "
                         "which the forces below it then leave out, as noted.");
    AppendColumnTables(out, check);
}

} // namespace

std::string FramePageText(const FrameModel& model, const FrameCheck& check) {
    std::string out;
    constexpr std::size_t ExpectedSize = 65536;
    out.reserve(ExpectedSize);
    AppendHead(out, model);
    AppendIntroduction(out, model, check);
    AppendDiagram(out, model, check);
    AppendHandCalculation(out, model);
    AppendCheckSections(out, model, check);
    AppendHeading(out, "Input as typed");
    AppendInputTables(out, model);
    out += "</body>\n</html>\n";
    return out;
}
