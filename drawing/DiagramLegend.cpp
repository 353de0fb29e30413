#include "drawing/DiagramLegend.h"

#include "drawing/DiagramLayout.h"
#include "markup/HtmlText.h"
#include "markup/SvgText.h"
#include "model/NumberText.h"

namespace {

/// A small picture at least `width` × 16 units beside a key, drawn at the
/// diagram's size: its box is widened to whole pixels, so that a length in it
/// is printed as in the parts.
void AppendSwatch(std::string& out, double width, std::string_view shapes) {
    constexpr double Height = 16;
    const double pixelsWide = PicturePixels(width), pixelsHigh = PicturePixels(Height);
    const Box view{0, 0, pixelsWide / DiagramPixelsPerUnit, pixelsHigh / DiagramPixelsPerUnit};
    AppendSvgOpen(out, "aria-hidden=\"true\"", view, pixelsWide, pixelsHigh);
    out += shapes;
    out += "</svg>";
}

/// One key: its sample (a picture or sample text) beside what it means. The
/// space after the sample keeps its text apart from the meaning when the page is
/// read as text (a screen reader, a copy into a text file).
void AppendKey(std::string& out, std::string_view sample, std::string_view text) {
    out += "<li><span class=\"sample\">";
    out += sample;
    out += "</span> <span>";
    AppendEscaped(out, text);
    out += "</span></li>\n";
}

std::string Swatch(double width, std::string_view shapes) {
    std::string out;
    AppendSwatch(out, width, shapes);
    return out;
}

/// A sample of the filled moment area.
std::string AreaSwatch() {
    std::string shapes;
    AppendPolygon(shapes, "moment", {{1, 3}, {39, 3}, {39, 13}, {1, 13}});
    return Swatch(40, shapes);
}

/// A sample of a line of class `cls`.
std::string LineSwatch(std::string_view cls) {
    std::string shapes;
    AppendLine(shapes, cls, {1, 8}, {39, 8});
    return Swatch(40, shapes);
}

std::string ScaleBar(double length) {
    std::string shapes;
    AppendLine(shapes, "bar", {1, 8}, {length + 1, 8});
    AppendLine(shapes, "bar", {1, 3}, {1, 13});
    AppendLine(shapes, "bar", {length + 1, 3}, {length + 1, 13});
    return Swatch(length + 2, shapes);
}

} // namespace

void AppendDiagramLegend(std::string& out, const LegendFacts& facts) {
    out += "<ul class=\"key\">\n";
    AppendKey(out, AreaSwatch(),
              facts.solved ? "The exact bending moments, drawn on the tension side of each member."
                           : "The one cycle's corrected moments (there is no exact solution), "
                             "drawn on the tension side of each member.");
    if (facts.solved) {
        AppendKey(out, LineSwatch("cycle"),
                  "The one cycle's corrected moments, at the same scale.");
    }
    if (facts.cantilevers) {
        AppendKey(out, LineSwatch("stub"),
                  "A cantilever beyond a floor's end joint; its length is not input, so its "
                  "moment is drawn falling to 0 at the stub's end.");
    }
    AppendKey(out, "<span class=\"number\">27.5</span> <span class=\"number span\">13.8</span>",
              std::string("Sizes of moments in kN·m, without sign: the side on which a moment is "
                          "drawn is the tension side. Beside a member end, the end moment; in "
                          "bold under a span, ") +
                  (facts.solved ? "its largest sagging moment" : "its midspan moment") +
                  ". Where two numbers would overlap, the larger moment is written. The tables "
                  "below give every value, with the clockwise signs of the member-end moments.");
    AppendKey(out, "<span class=\"joint-number\">12</span>",
              "Joint numbers, as in the tables, up and left of each joint.");
    AppendKey(out, ScaleBar(facts.largestDrawn),
              "Scale: the largest moment drawn, " + NumberToText(facts.largest, PageDigits) +
                  " kN·m, is this long (" + NumberToText(facts.storeyShare, PageDigits) +
                  " of a storey's height).");
    out += "</ul>\n";
    if (facts.parts > 1) {
        out += "<p>The frame is drawn in " + WholeToText(facts.parts) +
               " parts of whole bays, left to right, all at one scale; the column line where a "
               "part ends begins the next.</p>\n";
    }
}
