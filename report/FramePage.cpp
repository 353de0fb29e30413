#include "report/FramePage.h"

#include "model/NumberText.h"
#include "report/DiagramLegend.h"
#include "report/HtmlText.h"
#include "report/MomentDiagram.h"
#include "report/PageTables.h"

#include <string>
#include <string_view>

namespace {

// Generic font families only: the page loads nothing. Printed, the tables take
// the width of an A4 page in a small type; the diagram is drawn in parts that
// fit it, with rules of its own after these (DiagramStyleSheet).
constexpr std::string_view StyleSheet =
    R"(body{font-family:serif;margin:1.5em auto;max-width:60em;padding:0 1em;color:#000;background:#fff}
h1{font-size:1.6em;margin:0 0 .3em}
h2{font-size:1.2em;margin:1.4em 0 .4em}
p{margin:.3em 0}
p.warning{border:1px solid #a33;padding:.3em .5em;background:#fbecea}
table{border-collapse:collapse;width:100%;margin:.4em 0 .8em;font-family:sans-serif;font-size:.8em}
th,td{border:1px solid #999;padding:.15em .35em}
th{background:#e8e8e8;font-weight:bold;text-align:center;vertical-align:bottom}
td{text-align:right}
tr.largest td{font-weight:bold;background:#fff1b8}
figure{margin:.5em 0}
@page{size:A4;margin:12mm}
@media print{body{margin:0;padding:0;max-width:none;font-size:10pt}table{font-size:7pt}h2,h2+p{break-after:avoid}tr,figure,#cycles,#storeys,#bases{break-inside:avoid}}
)";

void AppendParagraph(std::string& out, std::string_view text, bool warning = false) {
    out += warning ? "<p class=\"warning\">" : "<p>";
    AppendEscaped(out, text);
    out += "</p>\n";
}

void AppendHeading(std::string& out, std::string_view text) {
    out += "<h2>";
    AppendEscaped(out, text);
    out += "</h2>\n";
}

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
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

void AppendIntroduction(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const FrameCounts counts = CountsOf(model);
    AppendParagraph(out, Count(counts.floors, "floor", "floors") + ", " +
                             Count(counts.columns, "column", "columns") + " per floor, " +
                             Count(counts.columns - 1, "bay", "bays") + " per floor; joints " +
                             std::to_string(counts.columns + 1) + " to " +
                             std::to_string(counts.lastJoint) +
                             " on the floors, base joints 1 to " + std::to_string(counts.columns) +
                             "; " + Count(counts.totalBays, "bay record", "bay records") + ".");
    AppendParagraph(out, "Units as on the panels: loads in kN and kN/m, spans and positions in m, "
                         "moments in kN·m.");
    AppendParagraph(out, "Member-end moments act on the member end and are clockwise positive. "
                         "Midspan and span moments are sagging positive, reactions are positive "
                         "upward, and column forces are positive in compression.");
    if (!check.exact.solved) {
        AppendParagraph(out,
                        "The frame has no unique solution: " + check.exact.whyNot +
                            " The picture shows the one cycle alone, and the columns of the exact "
                            "solution are empty.",
                        true);
    }
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

void AppendCheckSections(std::string& out, const FrameModel& model, const FrameCheck& check) {
    AppendHeading(out, "Cycles to the exact solution");
    AppendParagraph(out, "Cycles of sweep and storey moments needed until every end moment, base "
                         "ends included, lies within the tolerance times the largest exact end "
                         "moment. The program runs one.");
    AppendCycleTable(out, check);
    AppendHeading(out, "Member-end moments");
    AppendParagraph(out, "Member 1 is the left beam, 2 the right beam, 3 the column below and 4 "
                         "the column above; a cantilever is member 1 or 2 of a floor's end joint, "
                         "and the base ends are member 4 of base joints.");
    AppendEndMomentTable(out, model, check);
    AppendHeading(out, "Storeys");
    AppendStoreyTable(out, model, check);
    AppendHeading(out, "Bays");
    AppendParagraph(out, "Reactions and the largest sagging moment from the exact end moments. "
                         "Fixed-end moments of each bay's loads are written as M2 and M1 are "
                         "typed; a mark shows where the typed moments differ by more than 0.5 %.");
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
    AppendCheckSections(out, model, check);
    AppendHeading(out, "Input as typed");
    AppendInputTables(out, model);
    out += "</body>\n</html>\n";
    return out;
}
