// The moment drawing of the frame page, read back from the page's text: its
// printed text size, its labels' room, and its parts.
#include "TestSupport.h"
#include "analysis/Analysis.h"
#include "bench/BenchFrames.h"
#include "check/FrameCheck.h"
#include "drawing/DiagramLayout.h"
#include "drawing/LabelPlacement.h"
#include "model/NumberText.h"
#include "page/FramePage.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

/// ` name="value"` within one tag.
std::string Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(' ' + name + "=\"");
    const std::size_t start = at == std::string::npos ? tag.size() : at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

double Number(const std::string& text) {
    return TextToNumber(text).value_or(0);
}

struct DrawnText {
    std::string cls, text;
    LabelBox box; ///< 0.6 of the font size wide per character, as high as the font
    double fontSize = 0;
};

/// One picture of the drawing: its view in its own units, printed width and texts.
struct DrawnPart {
    LabelBox view;
    double pixelsWide = 0;
    std::vector<DrawnText> texts;
};

/// A text's size: its picture's, unless the style sheet sizes one of its classes.
double FontSize(const std::string& sheet, const std::string& classes, double pictureSize) {
    std::istringstream names(classes);
    for (std::string name; names >> name;) {
        const std::size_t rule = sheet.find('.' + name + '{');
        const std::size_t size = sheet.find("font-size:", rule);
        if (rule != std::string::npos && size < sheet.find('}', rule)) {
            return Number(sheet.substr(size + 10));
        }
    }
    return pictureSize;
}

/// A text of the picture, read from `<text class=".." x=".." y=".." [text-anchor=".."]
/// [transform=".."]>TEXT<`, its box 0.6 of the font size wide per character.
DrawnText ReadText(const std::string& element, const std::string& sheet, double pictureSize) {
    const std::string tag = element.substr(0, element.find('>'));
    DrawnText t{Attribute(tag, "class"), element.substr(tag.size() + 1), {}, 0};
    t.fontSize = FontSize(sheet, t.cls, pictureSize);
    const double length = 0.6 * t.fontSize * static_cast<double>(t.text.size());
    const std::string anchor = Attribute(tag, "text-anchor");
    const double from = anchor == "middle" ? -length / 2 : anchor == "end" ? -length : 0;
    const double x = Number(Attribute(tag, "x")), y = Number(Attribute(tag, "y"));
    const double up = 0.8 * t.fontSize, down = 0.2 * t.fontSize;
    // Turned upright about its anchor, the baseline runs up and the ascent lies left.
    t.box = tag.find(" transform=") != std::string::npos
                ? LabelBox{x - up, y - from - length, x + down, y - from}
                : LabelBox{x + from, y - up, x + from + length, y + down};
    return t;
}

std::vector<DrawnPart> DrawnParts(const std::string& page) {
    const std::string sheet = page.substr(0, page.find("</style>"));
    std::vector<DrawnPart> parts;
    for (std::size_t at = page.find("<svg role"); at != std::string::npos;
         at = page.find("<svg role", at + 1)) {
        const std::string tag = page.substr(at, page.find('>', at) - at);
        DrawnPart& part = parts.emplace_back();
        double w = 0, h = 0;
        std::sscanf(Attribute(tag, "viewBox").c_str(), "%lf %lf %lf %lf", &part.view.left,
                    &part.view.top, &w, &h);
        part.view.right = part.view.left + w;
        part.view.bottom = part.view.top + h;
        part.pixelsWide = Number(Attribute(tag, "width"));
        const double size = Number(Attribute(tag, "style").substr(10)); // after "font-size:"
        const std::size_t end = page.find("</svg>", at);
        for (std::size_t t = page.find("<text ", at); t < end; t = page.find("<text ", t + 1)) {
            const std::size_t close = page.find('<', page.find('>', t));
            part.texts.push_back(ReadText(page.substr(t + 5, close - t - 5), sheet, size));
        }
    }
    return parts;
}

FrameModel Analysed(FrameModel m) {
    EXPECT_EQ(RunAnalysis(m), std::nullopt);
    return m;
}

/// One floor of three columns: bay 1 loaded with 20 kN/m over 6 m, bay 2 of
/// `span2` unloaded, so that its moment runs straight from hogging at one end
/// to sagging at the other; a cantilever of 7.5 kN·m right of joint 6 if asked.
FrameModel TwoBays(double span2, bool cantilever = false) {
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, "TWO", "1", "3"), std::nullopt);
    m.K[4] = {Cell(), 0, 2, 1, 0};
    m.K[5] = {Cell(), 2, 2, 1, 0};
    m.K[6] = {Cell(), 2, 0, 1, 0};
    m.M2[4] = 60;
    m.M1[5] = -60;
    m.M2[6] = cantilever ? 7.5 : 0;
    m.BayLoads[1] = {0, 1, 1, 20, 0, 0, 6, 0};
    m.BayLoads[2] = {0, 2, 1, 0, 0, 0, span2, 0};
    return Analysed(m);
}

struct PageRow {
    const char* name;
    std::function<FrameModel()> frame;
    bool solved = true;
    int spanLabels = -1;       ///< bold labels expected, when not -1
    const char* mustShow = ""; ///< a label that must be written
};

const PageRow Pages[] = {
    {"TOWER", [] { return Analysed(Tower()); }},
    // The one cycle's midspan moments at midspan: 8 of TOWER's 11 sagging ones have room.
    {"TOWER, one cycle alone", [] { return Analysed(Tower()); }, false, 8},
    {"6 x 17", [] { return Analysed(FilledFrame(6, 17)); }},
    {"1 x 100", [] { return Analysed(FilledFrame(1, 100)); }},
    {"a portal", [] { return Analysed(FilledFrame(1, 2)); }},
    {"a bay of 0.3 m beside one of 6 m", [] { return TwoBays(0.3); }},
    // Bay 2, unloaded, sags most at its end, whose label says it already.
    {"a peak at a span's end", [] { return TwoBays(6); }, true, 1},
    {"a bay of 100 m and a cantilever", [] { return TwoBays(100, true); }, true, -1, "7.5"},
};

std::string PageOf(const PageRow& row) {
    const FrameModel m = row.frame();
    FrameCheck check = CheckFrame(m, BayRecordsOf(m));
    check.exact.solved = check.exact.solved && row.solved;
    return FramePageText(m, check);
}

// Printed on A4 (186 mm between the margins), each part at its own width or
// shrunk to the page, every text is at least 7 pt high; no label or joint
// number covers another or leaves its part. The labels are sizes: a corner's
// moment once read -49 on the beam and +49 on the column; and a sagging peak
// at a span's end was written again beside the end's own label.
TEST(MomentDrawing, LegibleOnA4WithUnsignedLabelsThatNeverOverlap) {
    constexpr double PagePixels = 186 / 25.4 * 96;
    for (const PageRow& row : Pages) {
        double smallest = 1e9;
        int spanLabels = 0;
        bool shown = *row.mustShow == 0;
        for (const DrawnPart& part : DrawnParts(PageOf(row))) {
            const double pixelsPerUnit =
                std::min(part.pixelsWide, PagePixels) / (part.view.right - part.view.left);
            for (std::size_t i = 0; i < part.texts.size(); ++i) {
                const DrawnText& t = part.texts[i];
                smallest = std::min(smallest, t.fontSize * pixelsPerUnit * 72 / 96);
                spanLabels += t.cls == "label span" ? 1 : 0;
                shown = shown || t.text == row.mustShow;
                EXPECT_EQ(t.text.find('-'), std::string::npos) << row.name << ": " << t.text;
                EXPECT_TRUE(t.box.within(part.view)) << row.name << ": " << t.text;
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(t.box.overlaps(part.texts[j].box))
                        << row.name << ": " << t.text << " over " << part.texts[j].text;
                }
            }
        }
        EXPECT_GE(smallest, 7.0) << row.name;
        EXPECT_LT(smallest, 1e9) << row.name << ": no text drawn";
        if (row.spanLabels >= 0) {
            EXPECT_EQ(spanLabels, row.spanLabels) << row.name;
        }
        EXPECT_TRUE(shown) << row.name << ": " << row.mustShow;
    }
}

// A bay far shorter than its neighbours is drawn 0.4 of the mean bay wide, with
// room for its joint numbers and a label: 0.3 m beside 6 m.
TEST(MomentDrawing, AShortBayKeepsRoomForItsNumbers) {
    const FrameModel m = TwoBays(0.3);
    const FrameGrid grid = LayOutDiagram(m, BayRecordsOf(m)).grid;
    EXPECT_GE(grid.x[3] - grid.x[2], 0.4 * FrameGrid::BayWidth);
    EXPECT_LT(grid.x[3] - grid.x[2], grid.x[2] - grid.x[1]);
    FrameModel first = TwoBays(6); // the short bay first: only the drawing reads its span
    first.BayLoads[1].SpanL = 0.3;
    const FrameGrid firstGrid = LayOutDiagram(first, BayRecordsOf(first)).grid;
    EXPECT_GE(firstGrid.x[2] - firstGrid.x[1], 0.4 * FrameGrid::BayWidth);
}

// The 99 bays of the widest frame in parts of whole bays at one scale, each
// headed with its bays and column lines; the column line where a part ends
// (its last base joint) begins the next.
TEST(MomentDrawing, AWideFrameComesInPartsThatShareTheirEdgeColumns) {
    const std::string page = PageOf(Pages[3]);
    const std::vector<DrawnPart> parts = DrawnParts(page);
    // Each part's heading: "<p>Bays B1 to B2, column lines C1 to C2</p>".
    int nextBay = 1;
    std::size_t p = 0;
    for (std::size_t at = page.find("<p>Bays "); at != std::string::npos;
         at = page.find("<p>Bays ", at + 1), ++p) {
        int first = 0, last = 0, line1 = 0, line2 = 0;
        ASSERT_EQ(std::sscanf(page.c_str() + at, "<p>Bays %d to %d, column lines %d to %d</p>",
                              &first, &last, &line1, &line2),
                  4);
        ASSERT_LT(p, parts.size());
        const std::vector<DrawnText>& texts = parts[p].texts; // the base joints first
        EXPECT_EQ(std::to_string(first) + " " + std::to_string(line1) + "-" +
                      std::to_string(line2) + " " + texts.front().text + "-" +
                      texts[static_cast<std::size_t>(last - first + 1)].text,
                  std::to_string(nextBay) + " " + std::to_string(first) + "-" +
                      std::to_string(last + 1) + " " + std::to_string(first) + "-" +
                      std::to_string(last + 1));
        EXPECT_EQ(parts[p].pixelsWide, parts[0].pixelsWide);
        nextBay = last + 1;
    }
    EXPECT_EQ(nextBay, 100);
    const PageRow sixColumns{"1 x 6", [] { return Analysed(FilledFrame(1, 6)); }};
    const std::string twoParts = PageOf(sixColumns);
    EXPECT_NE(twoParts.find("drawn in 2 parts"), std::string::npos);
    EXPECT_NE(twoParts.find("aria-label=\"Moment diagram of BENCH, Bay 5, column lines 5 and 6\""),
              std::string::npos);
    EXPECT_EQ(p, parts.size());
}

} // namespace
