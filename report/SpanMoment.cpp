#include "report/SpanMoment.h"

#include <algorithm>

double SimpleSpanMoment(const BayLoad& bay, double x) {
    const double l = bay.SpanL;
    const double w1 = bay.Udl1;
    if (bay.IsPointLoad == 0) {
        return w1 * x * (l - x) / 2;
    }
    const double w2 = bay.Udl2;
    const double p = bay.PointLoad1;
    const double a = bay.LoadX;
    const double b = l - a;
    // Left reaction from moments about the right end.
    const double left = (w1 * a * (b + a / 2) + w2 * b * b / 2 + p * b) / l;
    if (x <= a) {
        return left * x - w1 * x * x / 2;
    }
    const double past = x - a;
    return left * x - w1 * a * (x - a / 2) - p * past - w2 * past * past / 2;
}

double SpanMoment(const BayLoad& bay, double left, double right, double x) {
    const double l = bay.SpanL;
    const double along = x / l;
    return SimpleSpanMoment(bay, x) + left * (1 - along) - right * along;
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
