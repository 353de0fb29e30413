#include "drawing/MomentShapes.h"

#include "check/BayStatics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SpanSegments = 24;

/// Where to evaluate a beam's moment to draw it: `segments` + 1 even steps over
/// 0 .. L and, in the point-load system, X, where the curve has its kink.
std::vector<double> SpanSamples(const BayLoad& bay, int segments) {
    const double l = bay.SpanL;
    std::vector<double> xs;
    xs.reserve(static_cast<std::size_t>(segments) + 2);
    for (int i = 0; i <= segments; ++i) {
        xs.push_back(i == segments ? l : l * i / segments);
    }
    if (bay.IsPointLoad != 0 && bay.LoadX > 0 && bay.LoadX < l) {
        const auto at = std::lower_bound(xs.begin(), xs.end(), bay.LoadX);
        if (*at != bay.LoadX) {
            xs.insert(at, bay.LoadX);
        }
    }
    return xs;
}

bool HasAny(const Cell& a, const Cell& b) {
    return !a.isEmpty() || !b.isEmpty();
}

/// The beam of floor f, bay b: from its left joint j (member 2) to j + 1 (member 1).
void AddBeam(std::vector<MomentShape>& shapes, const FrameModel& model, const FrameGrid& grid,
             const MemberTable& moments, int f, int b) {
    const int j = BayLeftJoint(grid.counts, f, b);
    const Cell& left = moments[static_cast<std::size_t>(j)][2];
    const Cell& right = moments[static_cast<std::size_t>(j) + 1][1];
    const int record = grid.records.recordOf(grid.counts, f, b);
    const BayLoad& bay = model.BayLoads[static_cast<std::size_t>(record)];
    MomentShape shape{MomentShape::Kind::Beam, 0, 1, {}, left, right, record};
    const double x0 = grid.x[static_cast<std::size_t>(b)];
    const double width = grid.x[static_cast<std::size_t>(b) + 1] - x0;
    const double y = grid.y[static_cast<std::size_t>(f)];
    // The moment along the beam under its loads and end moments, sagging positive.
    const double leftReaction = LeftReaction(bay, left, right);
    for (double x : SpanSamples(bay, SpanSegments)) {
        shape.samples.push_back(
            {x0 + x / bay.SpanL * width, y, BendingMomentAt(bay, left, leftReaction, x)});
    }
    shapes.push_back(std::move(shape));
}

/// The column of storey f on column line i: from joint (f − 1)N + i (its member
/// 4) up to fN + i (member 3).
void AddColumn(std::vector<MomentShape>& shapes, const FrameGrid& grid, const MemberTable& moments,
               int f, int i) {
    const Cell& low = moments[static_cast<std::size_t>(JointAt(grid.counts, f - 1, i))][4];
    const Cell& high = moments[static_cast<std::size_t>(JointAt(grid.counts, f, i))][3];
    if (!HasAny(low, high)) {
        return;
    }
    const double x = grid.x[static_cast<std::size_t>(i)];
    MomentShape shape{MomentShape::Kind::Column, 1, 0, {}, low, high, 0};
    shape.samples.push_back({x, grid.y[static_cast<std::size_t>(f) - 1], low.value()});
    shape.samples.push_back({x, grid.y[static_cast<std::size_t>(f)], -high.value()});
    shapes.push_back(std::move(shape));
}

/// A cantilever at a floor's first joint (member 1, to the left) or last joint
/// (member 2, to the right). Its root is the member's right or left end, where
/// the sagging moment is −M or +M.
void AddCantilevers(std::vector<MomentShape>& shapes, const FrameGrid& grid,
                    const MemberTable& moments, int f) {
    const double y = grid.y[static_cast<std::size_t>(f)];
    const auto first = static_cast<std::size_t>(JointAt(grid.counts, f, 1));
    const auto last = static_cast<std::size_t>(JointAt(grid.counts, f, grid.counts.columns));
    if (const Cell& m = moments[first][1]; !m.isEmpty()) {
        const double root = grid.x[1];
        MomentShape shape{MomentShape::Kind::Cantilever, 0, 1, {}, Cell(), m, 0};
        shape.samples = {{root - CantileverLength, y, 0}, {root, y, -m.value()}};
        shapes.push_back(std::move(shape));
    }
    if (const Cell& m = moments[last][2]; !m.isEmpty()) {
        const double root = grid.x.back();
        MomentShape shape{MomentShape::Kind::Cantilever, 0, 1, {}, m, Cell(), 0};
        shape.samples = {{root, y, m.value()}, {root + CantileverLength, y, 0}};
        shapes.push_back(std::move(shape));
    }
}

} // namespace

std::vector<MomentShape> MomentShapes(const FrameModel& model, const FrameGrid& grid,
                                      const MemberTable& moments) {
    std::vector<MomentShape> shapes;
    for (int f = 1; f <= grid.counts.floors; ++f) {
        for (int b = 1; b < grid.counts.columns; ++b) {
            AddBeam(shapes, model, grid, moments, f, b);
        }
        for (int i = 1; i <= grid.counts.columns; ++i) {
            AddColumn(shapes, grid, moments, f, i);
        }
        AddCantilevers(shapes, grid, moments, f);
    }
    return shapes;
}

double LargestDrawnMoment(const std::vector<MomentShape>& shapes) {
    double largest = 0;
    for (const MomentShape& shape : shapes) {
        for (const MomentShape::Sample& sample : shape.samples) {
            const double size = std::fabs(sample.moment);
            largest = std::isfinite(size) && size > largest ? size : largest;
        }
    }
    return largest;
}
