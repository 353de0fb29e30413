#include "analysis/FiniteCheck.h"
#include "analysis/Stages.h"

StageResult SnapshotFirstCycle(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    const int n = counts.columns;
    // From joint 1: the base joints are copied as they are, empty.
    for (int j = 1; j <= counts.lastJoint; ++j) {
        model.MRot1[j] = model.MRotWork[j];
    }
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            model.FloorM1[f] =
                model.FloorM1[f] + model.SwayFactor[j][f] * (model.MRot1[j] + model.MRot1[j - n]);
        }
    }
    if (auto fault = FindNonFinite(model.MRot1, "M(1)", n + 1, counts.lastJoint)) {
        return fault;
    }
    return FindNonFiniteFloor(model.FloorM1, "The storey moment (1)", counts.floors);
}
