#include "drawing/DiagramLayout.h"

#include "model/FrameModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double InnerMargin = 40; ///< beside a column line: its joint numbers and labels
/// Beside an end column line with a cantilever: the stub and the label at its root.
constexpr double CantileverMargin = 130;
constexpr double BottomRoom = 12; ///< below the base: the supports' hatching
constexpr double LeastBayWidth = LeastBayShare * FrameGrid::BayWidth;

/// Whether any floor's first (member 1) or last (member 2) joint carries a cantilever.
bool CantileverOnSide(const FrameModel& model, int floors, int member) {
    for (int f = 1; f <= floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        if (HasCantilever(model, floor, member == 1 ? floor.First : floor.Last, member)) {
            return true;
        }
    }
    return false;
}

/// Each bay between LeastBayWidth and the widest a part can hold.
void ClampBayWidths(FrameGrid& grid, double widest) {
    std::vector<double> x = grid.x;
    for (std::size_t i = 2; i < x.size(); ++i) {
        x[i] = x[i - 1] + std::clamp(grid.x[i] - grid.x[i - 1], LeastBayWidth, widest);
    }
    grid.x = std::move(x);
}

} // namespace

double PicturePixels(double units) {
    return std::round(units * DiagramPixelsPerUnit);
}

DiagramLayout LayOutDiagram(const FrameModel& model, const BayRecordTable& records) {
    DiagramLayout layout{GridOf(model, records), {}};
    FrameGrid& grid = layout.grid;
    const double leftMargin =
        CantileverOnSide(model, grid.counts.floors, 1) ? CantileverMargin : InnerMargin;
    const double rightMargin =
        CantileverOnSide(model, grid.counts.floors, 2) ? CantileverMargin : InnerMargin;
    ClampBayWidths(grid, MaxPartWidth - leftMargin - rightMargin);
    const auto x = [&](int line) { return grid.x[static_cast<std::size_t>(line)]; };
    const auto marginAt = [&](int line) {
        return line == 1 ? leftMargin : line == grid.counts.columns ? rightMargin : InnerMargin;
    };
    // Whole bays from the left, as many as fit; each part holds at least one.
    double width = 0;
    for (int first = 1; first < grid.counts.columns;) {
        int last = first + 1;
        while (last < grid.counts.columns &&
               marginAt(first) + x(last + 1) - x(first) + marginAt(last + 1) <= MaxPartWidth) {
            ++last;
        }
        const double left = x(first) - marginAt(first);
        const double right = x(last) + marginAt(last);
        layout.parts.push_back({first, last, {left, 0, right, 0}});
        width = std::max(width, right - left);
        first = last;
    }
    const double top = grid.y.back() - FrameGrid::TopRoom;
    const double bottom = grid.y.front() + BottomRoom;
    for (DiagramPart& part : layout.parts) {
        part.view = {part.view.left, top, part.view.left + width, bottom};
    }
    return layout;
}
