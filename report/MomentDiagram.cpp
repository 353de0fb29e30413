#include "report/MomentDiagram.h"

#include "model/NumberText.h"
#include "report/FrameGrid.h"
#include "report/HtmlText.h"
#include "report/MomentShapes.h"
#include "report/SvgText.h"

#include <algorithm>

namespace {

constexpr double DiagramFraction = 0.35; ///< of a storey height, for the largest moment
constexpr double LabelGap = 16;          ///< labels start this far from a joint
constexpr double LegendHeight = 84;
constexpr double LeastWidth = 640; ///< room for the legend

struct Picture {
    std::string& out;
    const FrameGrid& grid;
    double largest = 0; ///< kN·m, drawn DiagramFraction of a storey high
    double scale = 0;   ///< diagram units per kN·m
};

Point Ordinate(const MomentShape& shape, const MomentShape::Sample& s, double scale) {
    return {s.x + shape.dx * s.moment * scale, s.y + shape.dy * s.moment * scale};
}

void DrawFrame(const Picture& pic, const std::vector<MomentShape>& shapes) {
    const FrameGrid& g = pic.grid;
    const double base = g.y[0];
    for (std::size_t f = 1; f < g.y.size(); ++f) {
        AppendLine(pic.out, "frame", {g.x[1], g.y[f]}, {g.x.back(), g.y[f]});
    }
    for (std::size_t i = 1; i < g.x.size(); ++i) {
        AppendLine(pic.out, "frame", {g.x[i], base}, {g.x[i], g.y.back()});
        AppendLine(pic.out, "support", {g.x[i] - 14, base}, {g.x[i] + 14, base});
        for (int t = 0; t < 4; ++t) {
            const double x = g.x[i] - 12 + 8 * t;
            AppendLine(pic.out, "support", {x, base}, {x - 6, base + 7});
        }
    }
    for (const MomentShape& shape : shapes) {
        if (shape.kind == MomentShape::Kind::Cantilever) {
            const auto& s = shape.samples;
            AppendLine(pic.out, "stub", {s.front().x, s.front().y}, {s.back().x, s.back().y});
        }
    }
}

/// Joint numbers just above and left of each joint, where no label goes.
void DrawJointNumbers(const Picture& pic) {
    const FrameGrid& g = pic.grid;
    for (int f = 0; f <= g.floors; ++f) {
        for (int i = 1; i <= g.columns; ++i) {
            const std::string number = NumberToText(f * g.columns + i);
            const Point at{g.x[static_cast<std::size_t>(i)] - 3,
                           g.y[static_cast<std::size_t>(f)] - 3};
            AppendLabel(pic.out, "joint", at, Anchor::End, number);
        }
    }
}

/// The moment between the member's axis and its ordinates: a filled shape, or
/// an open outline that starts and ends on the axis.
void DrawShapes(const Picture& pic, const std::vector<MomentShape>& shapes, bool filled) {
    for (const MomentShape& shape : shapes) {
        std::vector<Point> points;
        points.reserve(shape.samples.size() + 2);
        points.push_back({shape.samples.front().x, shape.samples.front().y});
        for (const MomentShape::Sample& s : shape.samples) {
            points.push_back(Ordinate(shape, s, pic.scale));
        }
        points.push_back({shape.samples.back().x, shape.samples.back().y});
        if (filled) {
            AppendPolygon(pic.out, "moment", points);
        } else {
            AppendPolyline(pic.out, "cycle", points);
        }
    }
}

/// A member-end moment beside its end, on the side away from the drawn moment.
void DrawEndLabel(const Picture& pic, const MomentShape& shape, bool atFirst) {
    const Cell& value = atFirst ? shape.firstEnd : shape.lastEnd;
    if (value.isEmpty()) {
        return;
    }
    const MomentShape::Sample& s = atFirst ? shape.samples.front() : shape.samples.back();
    // A zero end draws nothing; its label goes where a negative one would not.
    const bool drawnPositive = s.moment > 0;
    const std::string text = NumberToText(value, PageDigits);
    const double along = atFirst ? LabelGap : -LabelGap;
    const Anchor anchor = atFirst ? Anchor::Start : Anchor::End;
    if (shape.kind == MomentShape::Kind::Column) {
        // Upright beside the column, reading upward from its bottom end.
        const double x = drawnPositive ? s.x - 3 : s.x + 12;
        AppendLabel(pic.out, "label", {x, s.y - along}, anchor, text, true);
        return;
    }
    // Beams and cantilevers: above the member where the moment is drawn below it.
    AppendLabel(pic.out, "label", {s.x + along, s.y + (s.moment >= 0 ? -4 : 12)}, anchor, text);
}

/// A beam's largest sagging moment (exact) or its midspan moment (one cycle)
/// under the curve where it lies. A span that hogs all along has no sagging
/// moment to write: its largest moment is an end moment, labelled already.
void DrawSpanLabel(const Picture& pic, const MomentShape& shape, const BayCheck& bay, bool exact,
                   const BayLoad& load) {
    const double x = exact ? bay.maxSaggingX : load.SpanL / 2;
    const double moment = exact ? bay.maxSagging : bay.midspanOneCycle;
    if (!(moment > 0)) {
        return;
    }
    const double x0 = shape.samples.front().x;
    const double width = shape.samples.back().x - x0;
    const double y = shape.samples.front().y + std::max(0.0, moment * pic.scale) + 12;
    AppendLabel(pic.out, "label span", {x0 + x / load.SpanL * width, y}, Anchor::Middle,
                NumberToText(moment, PageDigits));
}

void DrawLabels(const Picture& pic, const std::vector<MomentShape>& shapes, const FrameModel& model,
                const FrameCheck& check) {
    for (const MomentShape& shape : shapes) {
        DrawEndLabel(pic, shape, true);
        DrawEndLabel(pic, shape, false);
        const auto record = static_cast<std::size_t>(shape.record);
        if (shape.kind == MomentShape::Kind::Beam && record >= 1 && record <= check.bays.size()) {
            DrawSpanLabel(pic, shape, check.bays[record - 1], check.exact.solved,
                          model.BayLoads[record]);
        }
    }
}

void DrawLegendKey(const Picture& pic, Point at, std::string_view cls, std::string_view text) {
    if (cls == "moment") {
        AppendPolygon(pic.out, cls,
                      {at, {at.x + 30, at.y}, {at.x + 30, at.y + 8}, {at.x, at.y + 8}});
    } else {
        AppendLine(pic.out, cls, {at.x, at.y + 4}, {at.x + 30, at.y + 4});
    }
    AppendLabel(pic.out, "legend", {at.x + 38, at.y + 8}, Anchor::Start, text);
}

void DrawLegend(const Picture& pic, double top, bool solved) {
    const double x = FrameGrid::Margin;
    DrawLegendKey(pic, {x, top}, "moment",
                  solved ? "exact moments, drawn on the tension side"
                         : "one cycle (no exact solution), drawn on the tension side");
    if (solved) {
        DrawLegendKey(pic, {x, top + 16}, "cycle", "one cycle, corrected moments");
    }
    const std::string_view numbers[] = {
        solved ? "Numbers in kN·m: the exact member-end moments (clockwise positive) at the ends,"
               : "Numbers in kN·m: the member-end moments (clockwise positive) at the ends,",
        solved ? "the largest sagging moment of each span in bold."
               : "the midspan moment of each span in bold."};
    AppendLabel(pic.out, "legend", {x, top + 42}, Anchor::Start, numbers[0]);
    AppendLabel(pic.out, "legend", {x, top + 56}, Anchor::Start, numbers[1]);
    AppendLabel(pic.out, "legend", {x, top + 70}, Anchor::Start,
                "Scale: the largest moment drawn, " + NumberToText(pic.largest, PageDigits) +
                    " kN·m, is " + NumberToText(DiagramFraction, PageDigits) +
                    " of a storey high.");
}

} // namespace

void AppendMomentDiagram(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const FrameGrid grid = GridOf(model, check.records);
    const bool solved = check.exact.solved;
    const std::vector<MomentShape> exact =
        solved ? MomentShapes(model, grid, check.exact.endMoments.moments)
               : std::vector<MomentShape>();
    const std::vector<MomentShape> cycle = MomentShapes(model, grid, check.oneCycle.moments);
    const std::vector<MomentShape>& shown = solved ? exact : cycle;
    const double largest = LargestDrawnMoment(shown);
    const double width = std::max(grid.width(), LeastWidth);
    const double height = grid.y[0] + 40 + LegendHeight;
    const Picture pic{out, grid, largest,
                      largest > 0 ? DiagramFraction * FrameGrid::StoreyHeight / largest : 0};

    out += "<svg role=\"img\" aria-label=\"Moment diagram of ";
    AppendEscaped(out, model.ProjectName);
    out += "\" viewBox=\"0 0 ";
    AppendCoordinate(out, width);
    out.push_back(' ');
    AppendCoordinate(out, height);
    out += "\" width=\"";
    AppendCoordinate(out, width);
    out += "\" height=\"";
    AppendCoordinate(out, height);
    out += "\">\n";
    DrawShapes(pic, shown, true);
    DrawFrame(pic, shown);
    if (solved) {
        DrawShapes(pic, cycle, false);
    }
    DrawJointNumbers(pic);
    DrawLabels(pic, shown, model, check);
    DrawLegend(pic, grid.y[0] + 40, solved);
    out += "</svg>\n";
}
