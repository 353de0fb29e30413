#include "analysis/FirstCycleSnapshot.h"

#include "analysis/FiniteCheck.h"
#include "analysis/StoreySway.h"

StageResult SnapshotFirstCycle(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    // From joint 1: the base joints are copied as they are, empty.
    for (int j = 1; j <= counts.lastJoint; ++j) {
        model.MRot1[j] = model.MRotWork[j];
    }
    AddStoreyMoments(model, model.MRot1, model.FloorM1);
    if (auto fault = FindNonFinite(model.MRot1, "M(1)", counts.columns + 1, counts.lastJoint)) {
        return fault;
    }
    return FindNonFiniteFloor(model.FloorM1, "The storey moment (1)", counts.floors);
}
