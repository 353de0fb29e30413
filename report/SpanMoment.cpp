#include "report/SpanMoment.h"

#include "analysis/BayStatics.h"

#include <algorithm>

double SpanMoment(const BayLoad& bay, double left, double right, double x) {
    return BendingMomentAt(bay, left, LeftReaction(bay, left, right), x);
}

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
