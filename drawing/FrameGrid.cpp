#include "drawing/FrameGrid.h"

namespace {

/// Floor 1's span of each bay 1..N−1, 0 where no record describes the bay.
std::vector<double> FirstFloorSpans(const FrameModel& model, const FrameCounts& counts,
                                    const BayRecordTable& records) {
    std::vector<double> spans(static_cast<std::size_t>(counts.columns), 0.0);
    for (int b = 1; b < counts.columns; ++b) {
        if (const int r = records.recordOf(counts, 1, b); r != 0) {
            spans[static_cast<std::size_t>(b)] = model.BayLoads[static_cast<std::size_t>(r)].SpanL;
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

} // namespace

FrameGrid GridOf(const FrameModel& model, const BayRecordTable& records) {
    const FrameCounts counts = CountsOf(model);
    FrameGrid grid;
    grid.floors = counts.floors;
    grid.columns = counts.columns;
    const std::vector<double> spans = FirstFloorSpans(model, counts, records);
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
    grid.records = records;
    return grid;
}
