#include "analysis/BayResults.h"

#include "analysis/FiniteCheck.h"
#include "analysis/InputCheck.h"

#include <cmath>

namespace {

void UdlSystem(FrameModel& model, int b, const BayLoad& bay, int j) {
    const double w1 = bay.Udl1;
    const double l = bay.SpanL;
    model.Midspan[b] = l * w1 * l / 8 - (model.CM[j + 1][1] - model.CM[j][2]) / 2;
}

/// w1 from the left end to X, w2 from X to the right end, P at X.
void PointLoadSystem(FrameModel& model, int b, const BayLoad& bay, int j) {
    const double w1 = bay.Udl1;
    const double w2 = bay.Udl2;
    const double p = bay.PointLoad1;
    const double l = bay.SpanL;
    const double x = bay.LoadX;
    // Moments about midspan of the loads left of it: w1 reaches to a, P stands at
    // X (left of midspan when 2X < L, else without lever), w2 covers a .. L/2.
    const double a = 2 * x <= l ? x : l / 2;
    double t = w1 * (-1) * a * (l - a) - (l - 2 * a) * p;
    // The square as one multiplication: correctly rounded in every build, whereas
    // a pow call gives whatever the C library gives (at -O0 it lands one unit in
    // the last place away on some spans).
    const double d = l - 2 * a;
    t = t - d * d * w2 / 4;
    model.Midspan[b] = (t - l * model.RDL[b][1]) / 2 - (model.CM[j + 1][1] - model.CM[j][2]) / 2;
}

std::optional<std::string> CheckResults(const FrameModel& model, int b) {
    const std::pair<const char*, double> values[] = {{"RDL 1", model.RDL[b][1]},
                                                     {"RML 1", model.RML[b][1]},
                                                     {"RDL 2", model.RDL[b][2]},
                                                     {"RML 2", model.RML[b][2]},
                                                     {"The midspan moment", model.Midspan[b]}};
    for (const auto& [name, value] : values) {
        if (!std::isfinite(value)) {
            return NonFiniteMessage(std::string(name) + " of " + RecordName(model, b));
        }
    }
    return std::nullopt;
}

} // namespace

std::pair<double, double> LoadReactions(const BayLoad& bay) {
    const double w1 = bay.Udl1, w2 = bay.Udl2, p = bay.PointLoad1, l = bay.SpanL, x = bay.LoadX;
    if (bay.IsPointLoad == 0) {
        return {w1 * (-1) * l / 2, w1 * (-1) * l / 2};
    }
    const double right = ((l * l - x * x) * w2 / 2 + (x * w1 * x / 2 + x * p)) * (-1) / l;
    const double totalLoad = (l - x) * w2 + (x * w1 + p);
    return {(totalLoad + right) * (-1), right};
}

std::optional<std::string> ComputeBayResults(FrameModel& model) {
    const int totalBays = CountsOf(model).totalBays;
    for (int b = 1; b <= totalBays; ++b) {
        const BayLoad& bay = model.BayLoads[b];
        // The records are checked before the analysis; called alone, this still
        // keeps every index in the tables and never divides by a span of 0.
        const int j = BayLeftJoint(model, bay);
        if (j < 1 || j + 1 > MaxJoint || !(bay.SpanL > 0)) {
            return CheckBayRecord(model, b).value_or(RecordName(model, b) +
                                                     " names a bay outside the frame.");
        }
        model.RML[b][2] = (model.CM[j][2] + model.CM[j + 1][1]) / bay.SpanL;
        model.RML[b][1] = model.RML[b][2] * (-1);
        const auto [rdl1, rdl2] = LoadReactions(bay);
        model.RDL[b][1] = rdl1;
        model.RDL[b][2] = rdl2;
        if (bay.IsPointLoad == 0) {
            UdlSystem(model, b, bay, j);
        } else {
            PointLoadSystem(model, b, bay, j);
        }
        if (auto fault = CheckResults(model, b)) {
            return fault;
        }
    }
    return std::nullopt;
}
