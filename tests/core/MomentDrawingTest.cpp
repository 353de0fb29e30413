// The moment drawing of the frame page, read back from the page's text: its
// printed text size, its labels' room and sides, and its parts.
#include "PageReader.h"
#include "TestSupport.h"
#include "drawing/DiagramLayout.h"
#include "drawing/LabelPlacement.h"
#include "drawing/MomentShapes.h"
#include "frames/FilledFrame.h"
#include "model/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

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
    return m;
}

struct PageRow {
    const char* name;
    std::function<FrameModel()> frame;
    bool solved = true;
    int spanLabels = -1;       ///< bold labels expected, when not -1
    const char* mustShow = ""; ///< a label that must be written
};

const PageRow Pages[] = {
    {"TOWER", [] { return Tower(); }},
    // The one cycle's midspan moments at midspan: 8 of TOWER's 11 sagging ones have room.
    {"TOWER, one cycle alone", [] { return Tower(); }, false, 8},
    {"6 x 17", [] { return FilledFrame(6, 17); }},
    {"1 x 100", [] { return FilledFrame(1, 100); }},
    {"a bay of 0.3 m beside one of 6 m", [] { return TwoBays(0.3); }},
    // Bay 2, unloaded, sags most at its end, whose label says it already.
    {"a peak at a span's end", [] { return TwoBays(6); }, true, 1},
    {"a bay of 100 m and a cantilever", [] { return TwoBays(100, true); }, true, -1, "7.5"},
};

std::string PageOf(const PageRow& row) {
    CheckedFrame c = Checked(row.frame());
    c.check.exact.solved = c.check.exact.solved && row.solved;
    return c.page();
}

// Printed on A4 (186 mm between the margins), each part at its own width or
// shrunk to the page, every text is at least 7 pt high; no label or joint
// number covers another, a member or leaves its part. The labels are sizes: a corner's
// moment once read -49 on the beam and +49 on the column; and a sagging peak
// at a span's end was written again beside the end's own label.
TEST(MomentDrawing, LegibleOnA4WithUnsignedLabelsThatNeverOverlap) {
    constexpr double PagePixels = 186 / 25.4 * 96;
    for (const PageRow& row : Pages) {
        double smallest = 1e9;
        int spanLabels = 0;
        bool shown = *row.mustShow == 0;
        const std::string page = PageOf(row);
        // The legend's stub key is there exactly when a cantilever's stub is drawn.
        const std::size_t firstPart = page.find("<div class=\"part\">");
        EXPECT_EQ(page.find("class=\"stub\"") < firstPart,
                  page.find("class=\"stub\"", firstPart) != std::string::npos)
            << row.name;
        for (const DrawnPart& part : DrawnParts(page)) {
            const double pixelsPerUnit =
                std::min(part.pixelsWide, PagePixels) / (part.view.right - part.view.left);
            for (std::size_t i = 0; i < part.texts.size(); ++i) {
                const DrawnText& t = part.texts[i];
                smallest = std::min(smallest, t.fontSize * pixelsPerUnit * 72 / 96);
                spanLabels += t.cls == "label span" ? 1 : 0;
                shown = shown || t.text == row.mustShow;
                EXPECT_EQ(t.text.find('-'), std::string::npos) << row.name << ": " << t.text;
                EXPECT_TRUE(t.box.within(part.view)) << row.name << ": " << t.text;
                for (const std::vector<Point>& fill : part.fills) { // clear of each member
                    const Point a = fill.front(), b = fill.back();
                    const Box axis{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                                   std::max(a.y, b.y)};
                    EXPECT_FALSE(t.box.overlaps(axis)) << row.name << ": " << t.text;
                }
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
        EXPECT_TRUE(first == nextBay && line1 == first && line2 == last + 1) << first;
        const std::vector<DrawnText>& texts = parts[p].texts; // the base joints first
        EXPECT_EQ(texts.front().text + "-" + texts[last - first + 1u].text,
                  std::to_string(line1) + "-" + std::to_string(line2));
        EXPECT_EQ(parts[p].pixelsWide, parts[0].pixelsWide);
        nextBay = last + 1;
    }
    EXPECT_EQ(nextBay, 100);
    const PageRow sixColumns{"1 x 6", [] { return FilledFrame(1, 6); }};
    const std::string twoParts = PageOf(sixColumns);
    EXPECT_NE(twoParts.find("drawn in 2 parts"), std::string::npos);
    EXPECT_NE(twoParts.find("aria-label=\"Moment diagram of BENCH, Bay 5, column lines 5 and 6\""),
              std::string::npos);
    EXPECT_EQ(p, parts.size());
}

// A symmetric portal under gravity (corners 27, bases 13.5, 27 sagging at
// midspan), drawn on its tension sides: the beam sags below its axis, each column
// is drawn outside at its top. Each end's size is written without its sign on the
// side away from its drawn moment, the span's under its curve. Columns at x = 80
// and 280, the beam at y = 60, the base at 210.
TEST(MomentDrawing, MomentsAreDrawnOnTheTensionSideAndLabelledAwayFromIt) {
    for (const double scale : {1.0, 1.0 / 128}) { // moments under 1 kN·m as any other
        const DrawnPart part =
            DrawnParts(PageOf({"a portal", [scale] { return Scaled(Portal(3, 3), scale); }})).at(0);
        const double left = 80, beam = 60;
        std::string sides; // each fill from the axis out and back, the columns from the base up
        for (const std::vector<Point>& fill : part.fills) {
            const Point axis = fill.front(), top = fill[fill.size() - 2];
            sides += axis.y == fill.back().y
                         ? (fill[fill.size() / 2].y > beam ? "sags below; " : "sags above; ")
                     : (top.x - axis.x) * (axis.x == left ? 1 : -1) < 0 ? "top outside; "
                                                                        : "top inside; ";
        }
        EXPECT_EQ(sides, "sags below; top outside; top outside; ") << scale;
        std::string labels;
        for (const DrawnText& t : part.texts) {
            if (t.cls == "joint") {
                continue;
            }
            const double x = (t.box.left + t.box.right) / 2, y = (t.box.top + t.box.bottom) / 2;
            const bool upright = t.box.bottom - t.box.top > t.box.right - t.box.left;
            labels += NumberToText(Number(t.text) / scale, 4); // the label has 6 digits
            labels += t.cls == "label span" ? " span" : upright ? " column" : " beam";
            labels += upright ? (y < 135 ? " top" : " base") : "";
            labels += upright ? (std::abs(x - 180) < 100 ? " inside; " : " outside; ")
                              : (y > beam ? " below; " : " above; ");
        }
        EXPECT_EQ(labels,
                  "27 column top inside; 27 beam below; 27 span below; 27 column top inside; "
                  "27 beam below; 13.5 column base outside; 13.5 column base outside; ")
            << scale;
    }
    // A zero end draws nothing: its label stands where a negative one's would, right of
    // a column (those below the beam, at y = 60).
    const DrawnPart unloaded =
        DrawnParts(PageOf({"unloaded", [] { return Scaled(Portal(3, 3), 0); }})).at(0);
    for (const DrawnText& t : unloaded.texts) {
        if (t.cls == "label" && t.box.top > 60) {
            EXPECT_GT(t.box.left, t.box.left < 180 ? 80 : 280) << t.text;
        }
    }
}

// The room beside a column line is 40, beside an end line with a cantilever 130;
// a part of MaxPartWidth = 975 holds as many whole bays as fit, and a bay is drawn
// at most as wide as a part holds beside its rooms. A cantilever at the left,
// bays drawn at least 80: 80, 725, 80 and 80, where 130 + 80 + 725 + 40 is exactly
// 975; and 80, 996 drawn as 975 − 130 − 40 = 805, 80, 80 and 80, where 805 and one
// bay of 80 fill a part.
TEST(MomentDrawing, APartHoldsAsManyWholeBaysAsFit) {
    const std::pair<std::vector<double>, const char*> rows[] = {
        {{0.5, 29, 1.25, 1.25}, "1-3 3-5 "}, // mean 8: drawn 12.5 (80), 725, 31.25 (80)
        {{0.1, 100, 0.1, 0.1, 0.1}, "1-2 2-4 4-6 "}};
    for (const auto& [spans, want] : rows) {
        FrameModel m;
        const auto columns = static_cast<std::int16_t>(spans.size() + 1);
        ASSERT_EQ(SetUpFrame(m, "E", "1", std::to_string(columns)), std::nullopt);
        for (std::int16_t b = 1; b < columns; ++b) {
            m.BayLoads[static_cast<std::size_t>(b)] = {0, b, 1, 0, 0, 0, spans[b - 1u], 0};
        }
        m.M1[columns + 1u] = -10;
        std::string parts;
        for (const DiagramPart& part : LayOutDiagram(m, BayRecordsOf(m)).parts) {
            parts += std::to_string(part.first) + "-" + std::to_string(part.last) + " ";
            EXPECT_LE(part.view.right - part.view.left, MaxPartWidth);
        }
        EXPECT_EQ(parts, want);
    }
}

// From the text metrics: a digit 0.64 of the font size wide, a bold one 0.70, the
// ascent 0.8 and the descent 0.2 of it; "12.5" in 10 units is 25.6 long.
TEST(LabelPlacement, BoxesWorkedByHand) {
    using enum LabelKind;
    const struct {
        const char* text;
        LabelKind kind;
        Anchor anchor;
        bool upright;
        double padding;
        const char* box; // left top right bottom
    } rows[] = {
        {"12.5", EndMoment, Anchor::Start, false, 0, "100 42 125.6 52"},
        {"12.5", EndMoment, Anchor::Middle, false, 0, "87.2 42 112.8 52"},
        {"12.5", JointNumber, Anchor::End, false, 0, "74.4 42 100 52"},
        {"12.5", EndMoment, Anchor::Start, true, 0, "92 24.4 102 50"}, // upright from its start
        {"12.5", EndMoment, Anchor::End, true, 0, "92 50 102 75.6"},   // upright to its end
        {"27", SpanMoment, Anchor::Middle, false, 0, "93 42 107 52"},  // bold
        {"12.5", EndMoment, Anchor::Start, false, 1, "99 41 126.6 53"},
    };
    EXPECT_TRUE((Box{1, 2, 3, 4}).within(Box{1, 2, 3, 4})); // a box may fill its bounds
    for (const auto& row : rows) {
        const Box b =
            BoxOf({row.text, row.kind, {100, 50}, row.anchor, row.upright}, 10, row.padding);
        char box[64];
        std::snprintf(box, sizeof box, "%g %g %g %g", b.left, b.top, b.right, b.bottom);
        EXPECT_STREQ(box, row.box);
    }
}

// A point load's peak is drawn where it stands, near a support too: P = 60 kN at
// 0.7 m of the portal's 6 m beam, between two of the curve's even steps.
TEST(MomentDrawing, ASpansPeakIsDrawnWhereItStandsAndLabelledAwayFromTheEnds) {
    FrameModel m = Portal(3, 3);
    m.BayLoads[1] = {-1, 1, 1, 0, 0, 60, 6, 0.7};
    const auto [analysed, check] = Checked(m);
    const FrameGrid grid = LayOutDiagram(analysed, check.records).grid;
    const std::vector<MomentShape> shapes =
        MomentShapes(analysed, grid, check.exact.endMoments.moments);
    double peak = -1e9;
    for (const MomentShape::Sample& s : shapes.front().samples) {
        peak = std::max(peak, s.moment);
    }
    EXPECT_EQ(peak, check.bays[0].maxSagging);
    EXPECT_EQ(check.bays[0].maxSaggingX, 0.7);
    // A peak within 1 % of the span from an end is the end's, whose label says it
    // already; one beyond has a label of its own.
    for (const auto& [x, labels] : {std::pair{0.01 * 6, 0}, {0.02 * 6, 1}}) {
        CheckedFrame c = Checked(Portal(3, 3));
        c.check.bays[0].maxSaggingX = x;
        int spanLabels = 0;
        const DrawnPart part = DrawnParts(c.page()).at(0);
        for (const DrawnText& t : part.texts) {
            spanLabels += t.cls == "label span" ? 1 : 0;
        }
        EXPECT_EQ(spanLabels, labels) << x;
    }
}

} // namespace
