// The moment drawing of the frame page, read back from the page's text: its
// printed text size, its labels' room, and its parts.
#include "BenchFrames.h"
#include "TestSupport.h"
#include "analysis/Analysis.h"
#include "analysis/FrameCheck.h"
#include "model/NumberText.h"
#include "report/FramePage.h"
#include "report/LabelPlacement.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

/// A page's attribute value within one tag: ` name="..."`.
std::string Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(' ' + name + "=\"");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

double Number(const std::string& text) {
    return TextToNumber(text).value_or(0);
}

/// The font size of every class the style sheet sizes in px (in a picture,
/// user units), "*" for a rule on every svg text.
std::map<std::string, double> ClassFontSizes(const std::string& page) {
    std::map<std::string, double> sizes;
    const std::size_t from = page.find("<style>") + 7;
    const std::string sheet = page.substr(from, page.find("</style>") - from);
    // Each piece up to a '}' ends "selector{declarations", an @media rule's first
    // one "@media print{selector{declarations".
    for (std::size_t rule = 0, close; (close = sheet.find('}', rule)) != std::string::npos;
         rule = close + 1) {
        const std::string piece = sheet.substr(rule, close - rule);
        const std::size_t open = piece.rfind('{');
        const std::size_t size = piece.find("font-size:", open);
        if (open == std::string::npos || size == std::string::npos) {
            continue;
        }
        const std::size_t outer = open == 0 ? std::string::npos : piece.rfind('{', open - 1);
        const std::size_t start = outer == std::string::npos ? 0 : outer + 1;
        std::string selector = piece.substr(start, open - start);
        selector.erase(0, selector.find_first_not_of('\n'));
        const std::string key = selector.find("text") != std::string::npos ? "*"
                                : selector.starts_with(".")                ? selector.substr(1)
                                                                           : "";
        if (!key.empty() && piece.find("px", size) != std::string::npos) {
            sizes[key] = Number(piece.substr(size + 10));
        }
    }
    return sizes;
}

struct DrawnText {
    std::string cls, text;
    DiagramLabel label;
    double fontSize = 0;
};

/// One part of the drawing: its box in its own units, its printed width and texts.
struct DrawnPart {
    double left = 0, top = 0, width = 0, height = 0, pixelsWide = 0;
    std::vector<DrawnText> texts;
};

DrawnText ReadText(const std::string& tag, const std::string& text, double partFont,
                   const std::map<std::string, double>& classFonts) {
    DrawnText t{Attribute(tag, "class"), text, {}, partFont};
    t.label.text = text;
    t.label.at = {Number(Attribute(tag, "x")), Number(Attribute(tag, "y"))};
    const std::string anchor = Attribute(tag, "text-anchor");
    t.label.anchor = anchor == "middle" ? Anchor::Middle
                     : anchor == "end"  ? Anchor::End
                                        : Anchor::Start;
    t.label.upright = Attribute(tag, "transform").starts_with("rotate(-90 ");
    for (const auto& [cls, size] : classFonts) {
        if (cls == "*" || (' ' + t.cls + ' ').find(' ' + cls + ' ') != std::string::npos) {
            t.fontSize = size;
        }
    }
    return t;
}

/// Every picture of the drawing (role="img"), with its texts.
std::vector<DrawnPart> DrawnParts(const std::string& page) {
    const std::map<std::string, double> classFonts = ClassFontSizes(page);
    std::vector<DrawnPart> parts;
    for (std::size_t at = page.find("<svg role=\"img\""); at != std::string::npos;
         at = page.find("<svg role=\"img\"", at + 1)) {
        const std::string tag = page.substr(at, page.find('>', at) - at);
        const std::string view = Attribute(tag, "viewBox");
        DrawnPart& part = parts.emplace_back();
        std::sscanf(view.c_str(), "%lf %lf %lf %lf", &part.left, &part.top, &part.width,
                    &part.height);
        part.pixelsWide = Number(Attribute(tag, "width"));
        const std::string style = Attribute(tag, "style");
        const double font = style.starts_with("font-size:") ? Number(style.substr(10)) : 0;
        const std::size_t end = page.find("</svg>", at);
        for (std::size_t t = page.find("<text", at); t < end; t = page.find("<text", t + 1)) {
            const std::size_t close = page.find('>', t);
            const std::string text = page.substr(close + 1, page.find("</text>", t) - close - 1);
            part.texts.push_back(ReadText(page.substr(t, close - t), text, font, classFonts));
        }
    }
    return parts;
}

/// The box a text takes: 0.6 of the font size per character, as high as the font.
LabelBox RoomOf(const DrawnText& t) {
    const double length = 0.6 * t.fontSize * static_cast<double>(t.text.size());
    const double from = t.label.anchor == Anchor::Start    ? 0
                        : t.label.anchor == Anchor::Middle ? -length / 2
                                                           : -length;
    const Point a = t.label.at;
    const double up = 0.8 * t.fontSize, down = 0.2 * t.fontSize;
    return t.label.upright ? LabelBox{a.x - up, a.y - from - length, a.x + down, a.y - from}
                           : LabelBox{a.x + from, a.y - up, a.x + from + length, a.y + down};
}

FrameModel Analysed(FrameModel m) {
    EXPECT_EQ(RunAnalysis(m), std::nullopt);
    return m;
}

/// One floor of three columns: bay 1 loaded with 20 kN/m over 6 m, bay 2 of
/// `span2` unloaded, so that its moment runs straight from hogging at one end
/// to sagging at the other.
FrameModel TwoBays(double span2) {
    FrameModel m;
    EXPECT_EQ(SetUpFrame(m, "TWO", "1", "3"), std::nullopt);
    m.K[4] = {Cell(), 0, 2, 1, 0};
    m.K[5] = {Cell(), 2, 2, 1, 0};
    m.K[6] = {Cell(), 2, 0, 1, 0};
    m.M2[4] = 60;
    m.M1[5] = -60;
    m.BayLoads[1] = {0, 1, 1, 20, 0, 0, 6, 0};
    m.BayLoads[2] = {0, 2, 1, 0, 0, 0, span2, 0};
    return Analysed(m);
}

struct PageRow {
    const char* name;
    std::function<FrameModel()> frame;
    bool solved = true;
};

const PageRow Pages[] = {
    {"TOWER", [] { return Analysed(Tower()); }},
    {"TOWER, one cycle alone", [] { return Analysed(Tower()); }, false},
    {"6 x 17", [] { return Analysed(BenchFrame(6, 17)); }},
    {"1 x 100", [] { return Analysed(BenchFrame(1, 100)); }},
    {"a bay of 0.3 m between spans of 6 m", [] { return TwoBays(0.3); }},
};

std::string PageOf(const PageRow& row) {
    const FrameModel m = row.frame();
    FrameCheck check = CheckFrame(m);
    check.exact.solved = check.exact.solved && row.solved;
    return FramePageText(m, check);
}

// Printed on A4 (186 mm between the margins), each part at its own width or
// shrunk to the page, every text of the drawing is at least 7 pt high.
TEST(MomentDrawing, PrintedTextIsAtLeastSevenPointsOnA4) {
    constexpr double PageWidthPixels = 186 / 25.4 * 96;
    for (const PageRow& row : Pages) {
        double smallest = 1e9;
        for (const DrawnPart& part : DrawnParts(PageOf(row))) {
            const double pixelsPerUnit = std::min(part.pixelsWide, PageWidthPixels) / part.width;
            for (const DrawnText& t : part.texts) {
                EXPECT_GT(t.fontSize, 0) << row.name << ": no size for " << t.text;
                smallest = std::min(smallest, t.fontSize * pixelsPerUnit * 72 / 96);
            }
        }
        EXPECT_GE(smallest, 7.0) << row.name;
        EXPECT_LT(smallest, 1e9) << row.name << ": no text drawn";
    }
}

// Labels and joint numbers, each estimated 0.6 of its font size wide per
// character, never cover each other and stay inside their part.
TEST(MomentDrawing, NoTwoLabelsOverlapAndNoneLeavesItsPart) {
    for (const PageRow& row : Pages) {
        for (const DrawnPart& part : DrawnParts(PageOf(row))) {
            const LabelBox view{part.left, part.top, part.left + part.width,
                                part.top + part.height};
            for (std::size_t i = 0; i < part.texts.size(); ++i) {
                const LabelBox box = RoomOf(part.texts[i]);
                EXPECT_TRUE(box.within(view)) << row.name << ": " << part.texts[i].text;
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(box.overlaps(RoomOf(part.texts[j])))
                        << row.name << ": " << part.texts[i].text << " over " << part.texts[j].text;
                }
            }
        }
    }
}

// The 99 bays of the widest frame in parts of whole bays at one scale: the
// parts follow each other, and the column line where one ends (its joint
// numbers) begins the next.
TEST(MomentDrawing, AWideFrameComesInPartsThatShareTheirEdgeColumns) {
    const std::string page = PageOf(Pages[3]);
    const std::vector<DrawnPart> parts = DrawnParts(page);
    ASSERT_GT(parts.size(), 1u);
    int nextBay = 1;
    std::size_t p = 0;
    for (std::size_t at = page.find("<div class=\"part\">\n<p>"); at != std::string::npos;
         at = page.find("<div class=\"part\">\n<p>", at + 1), ++p) {
        int first = 0, last = 0, lineFirst = 0, lineLast = 0;
        ASSERT_EQ(std::sscanf(page.c_str() + at + 22, "Bays %d to %d, column lines %d to %d",
                              &first, &last, &lineFirst, &lineLast),
                  4);
        EXPECT_EQ(first, nextBay);
        EXPECT_EQ(lineFirst, first);
        EXPECT_EQ(lineLast, last + 1);
        nextBay = last + 1;
        ASSERT_LT(p, parts.size());
        std::vector<std::string> baseJoints;
        for (const DrawnText& t : parts[p].texts) {
            if (t.cls == "joint" && Number(t.text) <= 100) {
                baseJoints.push_back(t.text);
            }
        }
        EXPECT_EQ(baseJoints.front() + " " + baseJoints.back(),
                  std::to_string(lineFirst) + " " + std::to_string(lineLast));
        EXPECT_EQ(parts[p].width, parts[0].width);
        EXPECT_EQ(parts[p].pixelsWide, parts[0].pixelsWide);
    }
    EXPECT_EQ(nextBay, 100);
    EXPECT_EQ(p, parts.size());
}

// The labels are sizes: a corner's moment once read -49 on the beam and +49 on
// the column. And a sagging peak at a span's end (bay 2 of TwoBays, unloaded,
// sags most at an end) was written again beside the end's own label: only
// bay 1 gets a bold span label.
TEST(MomentDrawing, LabelsAreUnsignedAndAPeakAtAnEndIsWrittenOnce) {
    for (const PageRow& row : Pages) {
        for (const DrawnPart& part : DrawnParts(PageOf(row))) {
            for (const DrawnText& t : part.texts) {
                EXPECT_EQ(t.text.find('-'), std::string::npos) << row.name << ": " << t.text;
            }
        }
    }
    const std::vector<DrawnPart> parts =
        DrawnParts(PageOf({"two bays", [] { return TwoBays(6); }}));
    ASSERT_EQ(parts.size(), 1u);
    const auto bold = std::count_if(parts[0].texts.begin(), parts[0].texts.end(),
                                    [](const DrawnText& t) { return t.cls == "label span"; });
    EXPECT_EQ(bold, 1);
}

// Two labels that want one place: the larger moment stays, the smaller takes
// its second place or is left out; joint numbers always stay; nothing leaves
// the picture; equal sizes go in the order given.
TEST(MomentDrawing, PlacementKeepsTheLargerMoment) {
    const LabelBox bounds{0, 0, 200, 100};
    const auto choice = [](const char* text, double size, Point first, Point second) {
        return LabelChoice{{text, "label", first, Anchor::Start, false}, {first, second}, 2, size};
    };
    struct Row {
        const char* name;
        std::vector<LabelChoice> choices;
        const char* expected; ///< texts placed, each with its x and y
    };
    const Row rows[] = {
        {"the larger stays, the smaller moves",
         {choice("111", 1, {10, 50}, {10, 80}), choice("222", 2, {10, 50}, {10, 20})},
         "J@5,15 222@10,50 111@10,80 "},
        {"the smaller is left out where its second place is taken too",
         {choice("111", 1, {10, 50}, {10, 50}), choice("222", 2, {10, 50}, {10, 50})},
         "J@5,15 222@10,50 "},
        {"a joint number keeps its place",
         {choice("333", 9, {5, 15}, {10, 50})},
         "J@5,15 333@10,50 "},
        {"out of the picture", {choice("444", 1, {190, 50}, {-5, 50})}, "J@5,15 "},
        {"equal sizes in order",
         {choice("555", 3, {60, 50}, {60, 50}), choice("666", 3, {60, 50}, {60, 50})},
         "J@5,15 555@60,50 "},
    };
    for (const Row& row : rows) {
        const std::vector<DiagramLabel> placed =
            PlaceLabels({{"J", "joint", {5, 15}, Anchor::Start, false}}, row.choices, 10, bounds);
        std::string texts;
        for (const DiagramLabel& l : placed) {
            texts += l.text + "@" + NumberToText(l.at.x) + "," + NumberToText(l.at.y) + " ";
        }
        EXPECT_EQ(texts, row.expected) << row.name;
    }
}

} // namespace
