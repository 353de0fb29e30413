#include "report/BayResults.h"

#include "analysis/FiniteCheck.h"

#include <cmath>

namespace {

std::string RecordName(int b, const BayLoad& bay) {
    return "Bay record " + std::to_string(b) + " (floor " + std::to_string(bay.FloorNo) + ", bay " +
           std::to_string(bay.BayNo) + ")";
}

void UdlSystem(FrameModel& model, int b, const BayLoad& bay, int j) {
    const double w1 = bay.Udl1;
    const double l = bay.SpanL;
    model.RDL[b][1] = w1 * (-1) * l / 2;
    model.RDL[b][2] = w1 * (-1) * l / 2;
    model.Midspan[b] = l * w1 * l / 8 - (model.CM[j + 1][1] - model.CM[j][2]) / 2;
}

void PointLoadSystem(FrameModel& model, int b, const BayLoad& bay) {
    const double w1 = bay.Udl1;
    const double w2 = bay.Udl2;
    const double p = bay.PointLoad1;
    const double l = bay.SpanL;
    const double x = bay.LoadX;
    model.RDL[b][2] = ((l * l - x * x) * w2 / 2 + (x * w1 * x / 2 + x * p)) * (-1) / l;
    const double totalLoad = (l - x) * w2 + (x * w1 + p);
    model.RDL[b][1] = (totalLoad + model.RDL[b][2]) * (-1);
    double t = w1 * (-1) * x * (l - x) - (l - 2 * x) * p;
    const double d = l - 2 * x;
    t = t - d * d * w2; // the square as an exact product, not a library power
    model.Midspan[b] = (t - l * model.RDL[b][1]) / 2;
}

std::optional<std::string> CheckResults(const FrameModel& model, int b, const BayLoad& bay) {
    const std::pair<const char*, double> values[] = {{"RDL 1", model.RDL[b][1]},
                                                     {"RML 1", model.RML[b][1]},
                                                     {"RDL 2", model.RDL[b][2]},
                                                     {"RML 2", model.RML[b][2]},
                                                     {"The midspan moment", model.Midspan[b]}};
    for (const auto& [name, value] : values) {
        if (!std::isfinite(value)) {
            return NonFiniteMessage(std::string(name) + " of " + RecordName(b, bay));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ComputeBayResults(FrameModel& model) {
    const int totalBays = CountsOf(model).totalBays;
    for (int b = 1; b <= totalBays; ++b) {
        const BayLoad& bay = model.BayLoads[b];
        const int j = BayLeftJoint(model, bay);
        if (j < 0 || j + 1 > MaxJoint) {
            return RecordName(b, bay) + " names the joints " + std::to_string(j) + " and " +
                   std::to_string(j + 1) +
                   ", outside the frame's joint numbers 0 to 200: correct its floor and bay "
                   "numbers.";
        }
        if (bay.SpanL == 0) {
            return RecordName(b, bay) +
                   " has the span L = 0, so its end reactions cannot be formed (a record "
                   "never filled in has L = 0): enter its span on the bay-load panel.";
        }
        model.RML[b][2] = (model.CM[j][2] + model.CM[j + 1][1]) / bay.SpanL;
        model.RML[b][1] = model.RML[b][2] * (-1);
        if (bay.IsPointLoad == 0) {
            UdlSystem(model, b, bay, j);
        } else {
            PointLoadSystem(model, b, bay);
        }
        if (auto fault = CheckResults(model, b, bay)) {
            return fault;
        }
    }
    return std::nullopt;
}
