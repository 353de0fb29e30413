#include "drawing/MomentDiagram.h"

#include "drawing/DiagramLabels.h"
#include "drawing/DiagramLayout.h"
#include "drawing/DiagramLegend.h"
#include "drawing/MomentShapes.h"
#include "markup/HtmlText.h"
#include "markup/SvgText.h"
#include "model/NumberText.h"

#include <algorithm>

namespace {

constexpr double DiagramFraction = 0.35; ///< of a storey height, for the largest moment

struct Picture {
    std::string& out;
    const FrameGrid& grid;
    const DiagramPart& part;
    double scale = 0; ///< diagram units per kN·m
};

double LineX(const FrameGrid& grid, int line) {
    return grid.x[static_cast<std::size_t>(line)];
}

/// Whether a member lies in the part: between its outer column lines, or beyond
/// them where they are the frame's own ends (the cantilevers).
bool InPart(const MomentShape& shape, const DiagramPart& part, const FrameGrid& grid) {
    constexpr double Tolerance = 0.5;
    const double from = std::min(shape.samples.front().x, shape.samples.back().x);
    const double to = std::max(shape.samples.front().x, shape.samples.back().x);
    const bool leftOk = part.first == 1 || from >= LineX(grid, part.first) - Tolerance;
    const bool rightOk =
        part.last == grid.counts.columns || to <= LineX(grid, part.last) + Tolerance;
    return leftOk && rightOk;
}

std::vector<const MomentShape*> ShapesIn(const std::vector<MomentShape>& shapes,
                                         const DiagramPart& part, const FrameGrid& grid) {
    std::vector<const MomentShape*> in;
    for (const MomentShape& shape : shapes) {
        if (InPart(shape, part, grid)) {
            in.push_back(&shape);
        }
    }
    return in;
}

Point Ordinate(const MomentShape& shape, const MomentShape::Sample& s, double scale) {
    return {s.x + shape.dx * s.moment * scale, s.y + shape.dy * s.moment * scale};
}

void DrawFrame(const Picture& pic, const std::vector<const MomentShape*>& shapes) {
    const FrameGrid& g = pic.grid;
    const double base = g.y[0];
    const double left = LineX(g, pic.part.first), right = LineX(g, pic.part.last);
    for (std::size_t f = 1; f < g.y.size(); ++f) {
        AppendLine(pic.out, "frame", {left, g.y[f]}, {right, g.y[f]});
    }
    for (int i = pic.part.first; i <= pic.part.last; ++i) {
        const double x = LineX(g, i);
        AppendLine(pic.out, "frame", {x, base}, {x, g.y.back()});
        AppendLine(pic.out, "support", {x - 14, base}, {x + 14, base});
        for (int t = 0; t < 4; ++t) {
            const double tick = x - 12 + 8 * t;
            AppendLine(pic.out, "support", {tick, base}, {tick - 6, base + 7});
        }
    }
    for (const MomentShape* shape : shapes) {
        if (shape->kind == MomentShape::Kind::Cantilever) {
            const auto& s = shape->samples;
            AppendLine(pic.out, "stub", {s.front().x, s.front().y}, {s.back().x, s.back().y});
        }
    }
}

/// The moment between the member's axis and its ordinates: a filled shape, or
/// an open outline that starts and ends on the axis.
void DrawShapes(const Picture& pic, const std::vector<const MomentShape*>& shapes, bool filled) {
    std::vector<Point> points;
    for (const MomentShape* shape : shapes) {
        points.clear();
        points.push_back({shape->samples.front().x, shape->samples.front().y});
        for (const MomentShape::Sample& s : shape->samples) {
            points.push_back(Ordinate(*shape, s, pic.scale));
        }
        points.push_back({shape->samples.back().x, shape->samples.back().y});
        if (filled) {
            AppendPolygon(pic.out, "moment", points);
        } else {
            AppendPolyline(pic.out, "cycle", points);
        }
    }
}

/// "Bays 1 to 4, column lines 1 to 5": the part's heading and picture name.
std::string BaysOf(const DiagramPart& part) {
    const std::string first = WholeToText(part.first), last = WholeToText(part.last);
    if (part.last - part.first == 1) {
        return "Bay " + first + ", column lines " + first + " and " + last;
    }
    return "Bays " + first + " to " + WholeToText(part.last - 1) + ", column lines " + first +
           " to " + last;
}

void OpenPicture(std::string& out, const FrameModel& model, const DiagramPart& part, bool named) {
    std::string attributes = "role=\"img\" aria-label=\"Moment diagram of ";
    AppendEscaped(attributes, model.ProjectName);
    if (named) {
        attributes += ", ";
        attributes += BaysOf(part);
    }
    attributes.push_back('"');
    std::string style = "font-size:";
    AppendCoordinate(style, DiagramFontSize);
    style += "px";
    const Box& v = part.view;
    AppendSvgOpen(out, attributes, v, PicturePixels(v.right - v.left),
                  PicturePixels(v.bottom - v.top), style);
    out.push_back('\n');
}

} // namespace

void AppendMomentDiagram(std::string& out, const FrameModel& model, const FrameCheck& check) {
    const DiagramLayout layout = LayOutDiagram(model, check.records);
    const FrameGrid& grid = layout.grid;
    const bool solved = check.exact.solved;
    const std::vector<MomentShape> exact =
        solved ? MomentShapes(model, grid, check.exact.endMoments.moments)
               : std::vector<MomentShape>();
    const std::vector<MomentShape> cycle = MomentShapes(model, grid, check.oneCycle.moments);
    const std::vector<MomentShape>& shown = solved ? exact : cycle;
    const double largest = LargestDrawnMoment(shown);
    const double drawn = DiagramFraction * FrameGrid::StoreyHeight;
    const double scale = largest > 0 ? drawn / largest : 0;
    const int parts = static_cast<int>(layout.parts.size());
    const bool cantilevers = std::any_of(shown.begin(), shown.end(), [](const MomentShape& s) {
        return s.kind == MomentShape::Kind::Cantilever;
    });
    AppendDiagramLegend(out, {solved, largest, drawn, DiagramFraction, parts, cantilevers});
    const LabelSource source{model, check, grid, scale};
    for (const DiagramPart& part : layout.parts) {
        const Picture pic{out, grid, part, scale};
        out += "<div class=\"part\">\n";
        if (parts > 1) {
            out += "<p>";
            out += BaysOf(part);
            out += "</p>\n";
        }
        OpenPicture(out, model, part, parts > 1);
        const std::vector<const MomentShape*> inPart = ShapesIn(shown, part, grid);
        DrawShapes(pic, inPart, true);
        DrawFrame(pic, inPart);
        if (solved) {
            DrawShapes(pic, ShapesIn(cycle, part, grid), false);
        }
        for (const DiagramLabel& label : PartLabels(source, part, inPart)) {
            AppendLabel(out, ClassOf(label.kind), label.at, label.anchor, label.text,
                        label.upright);
        }
        out += "</svg>\n</div>\n";
    }
}
