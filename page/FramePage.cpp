#include "page/FramePage.h"

#include "check/BayStatics.h"
#include "drawing/DiagramLayout.h"
#include "drawing/DiagramStyle.h"
#include "drawing/MomentDiagram.h"
#include "markup/HtmlText.h"
#include "model/NumberText.h"
#include "page/CheckTables.h"
#include "page/ConvergenceTables.h"
#include "page/FactorTable.h"
#include "page/InputTables.h"
#include "page/KaniWorksheet.h"
#include "page/MethodSection.h"
#include "page/PageText.h"
#include "page/WorkedStep.h"

#include <string>
#include <string_view>
#include <utility>
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
    const int n = counts.columns;
    AppendParagraph(out, Count(counts.floors, "floor", "floors") + ", " +
                             Count(n, "column", "columns") + " per floor, " +
                             Count(n - 1, "bay", "bays") + " per floor; " +
                             Count(counts.totalBays, "bay record", "bay records") + ".");
    AppendParagraph(out, "Joints are numbered floor by floor from the left, the fixed base joints "
                         "first: base joints 1 to " +
                             WholeToText(n) + ", floor 1's joints " + WholeToText(n + 1) + " to " +
                             WholeToText(2 * n) + ", and so on up to joint " +
                             WholeToText(counts.lastJoint) + ", the last of floor " +
                             WholeToText(counts.floors) +
                             ". Bays are numbered from the left in each floor.");
    AppendParagraph(out, "Units as on the panels: loads in kN and kN/m, spans and positions in m, "
                         "moments in kN·m.");
    AppendParagraph(out, "Member-end moments act on the member end and are clockwise positive. "
                         "Midspan and span moments are sagging positive, reactions are positive "
                         "upward, and column forces are positive in compression.");
    AppendWarnings(out, check);
}

void AppendDiagram(std::string& out, const FrameModel& model, const FrameCheck& check) {
    out += "<figure>\n";
    AppendMomentDiagram(out, model, check);
    out += "<figcaption>";
    AppendEscaped(out, (check.exact.solved ? "Bending moments of the exact solution, with the "
                                             "one cycle's corrected moments dashed."
                                           : "Bending moments of the one cycle.") +
                           std::string(" Storeys are drawn of equal height and bays as wide as "
                                       "floor 1's spans, but none narrower than ") +
                           NumberToText(LeastBayShare, PageDigits) +
                           " of their mean or wider than the page.");
    out += "</figcaption>\n</figure>\n";
}

void AppendFactors(std::string& out, const FrameModel& model, const FrameCheck&) {
    AppendParagraph(out, "Each joint's restrained moment, the sum of the clockwise fixed-end "
                         "moments at the joint (a cantilever's included), and its factors as the "
                         "main report prints them: Y(m) are Kani's rotation factors and the sway "
                         "factor of the column below the joint in its storey is Kani's "
                         "displacement factor. A dash marks a pure number.");
    AppendFactorTable(out, model);
}

void AppendWorked(std::string& out, const FrameModel& model, const FrameCheck&) {
    AppendWorkedStep(out, model);
}

void AppendMethod(std::string& out, const FrameModel&, const FrameCheck&) {
    AppendMethodSection(out);
}

/// Said only where it happens: the balance of cycle 1 is no step of the sweep, so
/// the sweep's cycle 2 may be further from the exact values than cycle 1 after it.
std::string BalanceRemark(const FrameCheck& check) {
    const std::vector<double>& shares = check.convergence.shares;
    if (shares.size() < 2 || !(shares[1] > check.oneCycleDifference.share())) {
        return "";
    }
    return " Here cycle 2 is further from the exact values than cycle 1 after the balance, "
           "while the sweep itself comes closer.";
}

void AppendCycles(std::string& out, const FrameModel&, const FrameCheck& check) {
    AppendParagraph(out, "The cycles of the method repeated, as a student tabulates them, until "
                         "the sweep itself is within " +
                             PercentText(CloseShare) +
                             ". Each row gives the largest difference of any end moment, base "
                             "ends and cantilevers included, formed from that cycle's M and "
                             "storey moments, from the exact one, as a share of the largest "
                             "exact end moment. The last row, set apart, is cycle 1 after the "
                             "balance, the corrected moments CM that the reports hold: a one-off "
                             "correction, not a step of the iteration, which goes on from cycle "
                             "1 before it." +
                             BalanceRemark(check));
    AppendCycleTable(out, check);
}

void AppendRotations(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendParagraph(out, "Each joint's rotation moment M and each storey's moment after each "
                         "cycle, as a hand calculation tabulates them: M(0) with the storey "
                         "moments (0) at the start, M(1) with the storey moments (1) after the "
                         "first sweep, as in the main report, and every later cycle up to the "
                         "one within " +
                             PercentText(CloseShare) + " (of a run longer than " +
                             WholeToText(AllCyclesUpTo) + " cycles, cycles 0 to " +
                             WholeToText(LastOfFirstCycles) +
                             " and the last two). The last column is the exact solution, φ of "
                             "each joint and ψ of each storey, that the cycles approach.");
    AppendRotationTable(out, model, check);
}

void AppendEndMoments(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendParagraph(out, "Member 1 is the left beam, 2 the right beam, 3 the column below and 4 "
                         "the column above; a cantilever is member 1 or 2 of a floor's end joint, "
                         "and the base ends are member 4 of base joints. Before the balance the "
                         "one cycle's moments are formed from M(1) and the storey moments (1); "
                         "the balance then gives the corrected moments of the reports. It leaves "
                         "the base ends and the cantilevers as they are.");
    AppendEndMomentTable(out, model, check);
}

std::string RoundingText() {
    return "A sum below " + NumberToText(RoundingShare, PageDigits) +
           " times the largest exact end moment is rounding and prints as 0.";
}

void AppendJoints(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendParagraph(out, "The sum of each joint's end moments, a cantilever's included. Before "
                         "the balance it is the unbalance that the balance distributes over the "
                         "joint's members in proportion to their stiffness; after the balance, "
                         "and in the exact solution, it is 0: the joint is in equilibrium. " +
                             RoundingText());
    AppendJointTable(out, model, check);
}

void AppendStoreys(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendParagraph(out, "The sum of each storey's column end moments, top and bottom, of the one "
                         "cycle after the balance (the corrected moments of the reports) and of "
                         "the exact solution. With no horizontal load the column shears add up "
                         "to 0, and so does this sum. Before the balance the one cycle's sum is "
                         "0 too, up to rounding, since the storey moment (1) is formed from M(1) "
                         "to make it so; the balance, which corrects each joint alone, leaves a "
                         "horizontal force that no load explains. " +
                             RoundingText());
    AppendStoreyTable(out, model, check);
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

void AppendBays(std::string& out, const FrameModel&, const FrameCheck& check) {
    AppendParagraph(out, "Reactions and the largest sagging moment from the exact end moments; "
                         "a span that hogs all along has none. The one cycle's midspan moment is "
                         "that of the reports, from the corrected moments (after the balance). "
                         "Fixed-end moments of each bay's loads are written as M2 and M1 are "
                         "typed; a mark shows where the typed moments differ by more than " +
                             PercentText(LoadTermTolerance) + ".");
    const std::string differing = DifferingBays(check);
    AppendParagraph(out, differing.empty()
                             ? "The typed moments agree with the loads in every bay."
                             : "The typed moments differ from the loads in " + differing + ".");
    AppendBayTable(out, check);
}

void AppendColumns(std::string& out, const FrameModel&, const FrameCheck& check) {
    AppendParagraph(out, "Storey heights are not input, so no horizontal reactions or column "
                         "shears are given. A cantilever's moment is typed but not its shear, "
                         "which the forces below it then leave out, as noted.");
    AppendColumnTables(out, check);
}

void AppendInput(std::string& out, const FrameModel& model, const FrameCheck&) {
    AppendParagraph(out, "M1 as typed, its sign not reversed. A bay record of the system UDL "
                         "carries w1 over the whole span L; one of the system Point load carries "
                         "w1 from the left end to X, w2 from X to the right end and P at X, X "
                         "measured from the left end. Loads are positive downward.");
    AppendInputTables(out, model);
}

/// One section of the page: its id, heading, the ids of the tables it holds with
/// a word for each in the contents, and what it writes below its heading.
struct PageSection {
    std::string_view id, heading;
    std::vector<std::pair<std::string_view, std::string_view>> tables;
    void (*append)(std::string&, const FrameModel&, const FrameCheck&);
};

/// The page's sections in order; the contents are written from the same list.
const std::vector<PageSection>& Sections() {
    static const std::vector<PageSection> sections = {
        {"drawing", "Bending moments", {}, AppendDiagram},
        {"method", "The method", {}, AppendMethod},
        {"joint-factors", "Joint and sway factors", {{"factors", "table"}}, AppendFactors},
        {"worked", "A worked step", {}, AppendWorked},
        {"convergence", "Convergence, cycle by cycle", {{"cycles", "table"}}, AppendCycles},
        {"rotation-moments",
         "Rotation and storey moments by cycle",
         {{"rotations", "table"}},
         AppendRotations},
        {"kani-worksheet",
         "Kani's worksheet: the same sweep from zero",
         {{"kani", "table"}},
         AppendKaniWorksheet},
        {"member-ends", "Member-end moments", {{"end-moments", "table"}}, AppendEndMoments},
        {"joint-balance", "Joint balance", {{"joints", "table"}}, AppendJoints},
        {"storey-sums", "Storeys", {{"storeys", "table"}}, AppendStoreys},
        {"bay-results", "Bays", {{"bays", "table"}}, AppendBays},
        {"column-forces",
         "Columns and bases",
         {{"columns", "columns"}, {"bases", "bases"}},
         AppendColumns},
        {"input",
         "Input as typed",
         {{"input-joints", "joints"}, {"input-bays", "bay records"}},
         AppendInput}};
    return sections;
}

void AppendLink(std::string& out, std::string_view id, std::string_view text) {
    out += "<a href=\"#";
    out += id;
    out += "\">";
    AppendEscaped(out, text);
    out += "</a>";
}

/// id "contents": a link to every section and to every table in it.
void AppendContents(std::string& out) {
    out += "<nav id=\"contents\" aria-label=\"Contents\">\n<h2>Contents</h2>\n<ol>\n";
    for (const PageSection& section : Sections()) {
        out += "<li>";
        AppendLink(out, section.id, section.heading);
        for (std::size_t t = 0; t < section.tables.size(); ++t) {
            out += t == 0 ? " (" : ", ";
            AppendLink(out, section.tables[t].first, section.tables[t].second);
        }
        out += section.tables.empty() ? "</li>\n" : ")</li>\n";
    }
    out += "</ol>\n</nav>\n";
}

} // namespace

std::string FramePageText(const FrameModel& model, const FrameCheck& check) {
    std::string out;
    constexpr std::size_t ExpectedSize = 131072;
    out.reserve(ExpectedSize);
    AppendHead(out, model);
    AppendIntroduction(out, model, check);
    AppendContents(out);
    for (const PageSection& section : Sections()) {
        out += "<section id=\"";
        out += section.id;
        out += "\">\n";
        AppendHeading(out, section.heading);
        section.append(out, model, check);
        out += "</section>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}
