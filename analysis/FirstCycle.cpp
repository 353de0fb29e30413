#include "analysis/FirstCycle.h"

#include "analysis/FiniteCheck.h"
#include "analysis/RotationSweep.h"

StageResult RunFirstCycle(FrameModel& model) {
    SweepRotationMoments(
        model, model.FloorM0, model.MRotWork,
        [&st = model.ST](int j, auto member, double term) { st[j][member] = term; });
    const FrameCounts counts = CountsOf(model);
    const int first = counts.columns + 1;
    if (auto fault = FindNonFinite(model.ST, "ST", first, counts.lastJoint)) {
        return fault;
    }
    return FindNonFinite(model.MRotWork, "The rotation moment of the first cycle", first,
                         counts.lastJoint);
}
