#include "report/FrameGrid.h"

#include "analysis/InputCheck.h"

namespace {

/// Floor 1's span of each bay 1..N−1, 0 where no record gives one.
std::vector<double> FirstFloorSpans(const FrameModel& model, const FrameCounts& counts) {
    std::vector<double> spans(static_cast<std::size_t>(counts.columns), 0.0);
    for (int r = 1; r <= counts.totalBays; ++r) {
        const BayLoad& bay = model.BayLoads[r];
        const auto b = static_cast<std::size_t>(bay.BayNo);
        if (bay.FloorNo == 1 && FaultOf(counts, bay) == RecordFault::None && spans[b] == 0) {
            spans[b] = bay.SpanL;
        }
    }
    return spans;
}

double MeanOfGiven(const std::vector<double>& spans) {
    double sum = 0;
    int given = 0;
    for (double span : spans) {
        if (span > 0) {
            sum += span;
            ++given;
        }
    }
    return given > 0 ? sum / given : 1.0;
}

/// The first record of every beam that lies in the frame, with a span to draw.
std::vector<int> BeamLoads(const FrameModel& model, const FrameCounts& counts) {
    std::vector<int> loads(static_cast<std::size_t>((counts.floors + 1) * counts.columns), 0);
    for (int r = counts.totalBays; r >= 1; --r) {
        const BayLoad& bay = model.BayLoads[r];
        if (bay.FloorNo >= 1 && bay.FloorNo <= counts.floors && bay.BayNo >= 1 &&
            bay.BayNo < counts.columns && bay.SpanL > 0) {
            const int beam = bay.FloorNo * counts.columns + bay.BayNo;
            loads[static_cast<std::size_t>(beam)] = r;
        }
    }
    return loads;
}

} // namespace

FrameGrid GridOf(const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    FrameGrid grid;
    grid.floors = counts.floors;
    grid.columns = counts.columns;
    const std::vector<double> spans = FirstFloorSpans(model, counts);
    grid.meanSpan = MeanOfGiven(spans);
    grid.x.assign(static_cast<std::size_t>(counts.columns) + 1, FrameGrid::Margin);
    for (std::size_t i = 2; i < grid.x.size(); ++i) {
        const double span = spans[i - 1] > 0 ? spans[i - 1] : grid.meanSpan;
        grid.x[i] = grid.x[i - 1] + span / grid.meanSpan * FrameGrid::BayWidth;
    }
    grid.y.assign(static_cast<std::size_t>(counts.floors) + 1, FrameGrid::Top);
    for (int f = 0; f <= counts.floors; ++f) {
        grid.y[static_cast<std::size_t>(f)] =
            FrameGrid::Top + (counts.floors - f) * FrameGrid::StoreyHeight;
    }
    grid.beamLoad = BeamLoads(model, counts);
    return grid;
}
