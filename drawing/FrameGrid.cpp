#include "drawing/FrameGrid.h"

FrameGrid GridOf(const FrameModel& model, const BayRecordTable& records) {
    const FrameCounts counts = CountsOf(model);
    FrameGrid grid;
    grid.counts = counts;
    grid.records = records;
    // Floor 1's span of each bay 1..N−1: every bay has a record with L > 0.
    std::vector<double> spans(static_cast<std::size_t>(counts.columns), 0.0);
    double sum = 0;
    for (int b = 1; b < counts.columns; ++b) {
        const int record = records.recordOf(counts, 1, b);
        spans[static_cast<std::size_t>(b)] = model.BayLoads[static_cast<std::size_t>(record)].SpanL;
        sum += spans[static_cast<std::size_t>(b)];
    }
    grid.meanSpan = sum / (counts.columns - 1);
    grid.x.assign(static_cast<std::size_t>(counts.columns) + 1, FrameGrid::FirstLineX);
    for (std::size_t i = 2; i < grid.x.size(); ++i) {
        grid.x[i] = grid.x[i - 1] + spans[i - 1] / grid.meanSpan * FrameGrid::BayWidth;
    }
    grid.y.assign(static_cast<std::size_t>(counts.floors) + 1, FrameGrid::TopRoom);
    for (int f = 0; f <= counts.floors; ++f) {
        grid.y[static_cast<std::size_t>(f)] =
            FrameGrid::TopRoom + (counts.floors - f) * FrameGrid::StoreyHeight;
    }
    return grid;
}
