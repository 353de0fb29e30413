#include "analysis/StoreySway.h"

#include "analysis/FiniteCheck.h"
#include "model/NumberText.h"

#include <cmath>

namespace {

/// Sway factors of storey f: each column's share of the storey's k3, times -1.5.
StageResult FormSwayFactors(FrameModel& model, int f) {
    const int first = model.FloorJoints[f].First;
    const int last = model.FloorJoints[f].Last;
    model.ColumnKSum = 0;
    for (int j = first; j <= last; ++j) {
        model.ColumnKSum = model.ColumnKSum + model.K[j][3];
    }
    const std::string floor = "Floor " + WholeToText(f);
    if (model.ColumnKSum == 0) {
        return floor + ": the column stiffnesses k3 add up to 0, so its sway factors cannot "
                       "be formed.";
    }
    if (!std::isfinite(model.ColumnKSum.value())) {
        return NonFiniteMessage("The sum of the column stiffnesses k3 of floor " + WholeToText(f));
    }
    for (int j = first; j <= last; ++j) {
        model.SwayFactor[j][f] = (-1.5 * model.K[j][3]) / model.ColumnKSum;
        if (!std::isfinite(model.SwayFactor[j][f].value())) {
            return NonFiniteMessage("The sway factor of joint " + WholeToText(j));
        }
    }
    return std::nullopt;
}

} // namespace

void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            storey[f] =
                storey[f] + model.SwayFactor[j][f] * (rotation[j] + rotation[j - counts.columns]);
        }
    }
}

StageResult ComputeStoreySway(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        if (auto fault = FormSwayFactors(model, f)) {
            return fault;
        }
    }
    // Storey moments only after every floor has its factors.
    AddStoreyMoments(model, model.MRot0, model.FloorM0);
    return FindNonFiniteFloor(model.FloorM0, "The storey moment (0)", counts.floors);
}
