#include "analysis/FiniteCheck.h"
#include "analysis/JointMembers.h"
#include "analysis/Stages.h"

void SweepRotationMoments(FrameModel& model, const FloorTable& storeyMoments) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            // The update adds term by term to the joint's initial moment, which is
            // its working value when the first sweep reaches it; starting from
            // MRot0 rather than MRotWork makes the sweep repeatable. The terms read
            // neighbours only, so they see the values this sweep already reached.
            const auto& y = model.Y[j];
            auto& st = model.ST[j];
            double rotation = model.MRot0[j];
            ForEachMember(counts, floor, f, j, [&](auto member, int farEnd, int storey) {
                double term = 0;
                if constexpr (member >= 3) { // a column carries its storey's moment
                    term = y[member] * (model.MRotWork[farEnd] + storeyMoments[storey]);
                } else {
                    term = y[member] * model.MRotWork[farEnd];
                }
                rotation = rotation + term;
                st[member] = term;
            });
            model.MRotWork[j] = rotation;
        }
    }
}

StageResult RunFirstCycle(FrameModel& model) {
    SweepRotationMoments(model, model.FloorM0);
    const FrameCounts counts = CountsOf(model);
    const int first = counts.columns + 1;
    if (auto fault = FindNonFinite(model.ST, "ST", first, counts.lastJoint)) {
        return fault;
    }
    return FindNonFinite(model.MRotWork, "The rotation moment of the first cycle", first,
                         counts.lastJoint);
}
