#include "analysis/JointPreparation.h"

#include "analysis/FiniteCheck.h"

StageResult PrepareJoints(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    const int first = counts.columns + 1;
    const int last = counts.lastJoint;
    auto& K = model.K;

    // Four separate passes, each finished before the next begins.
    for (int j = first; j <= last; ++j) {
        model.JointMomentSum[j] = model.M1[j] + model.M2[j];
    }
    for (int j = first; j <= last; ++j) {
        model.Q[j] = (((K[j][1] + K[j][2]) + K[j][3]) + K[j][4]) * 2;
    }
    for (int j = first; j <= last; ++j) {
        if (model.Q[j] != 0) {
            // No change of sign: the entered moments' convention carries through.
            model.MRot0[j] = model.JointMomentSum[j] / model.Q[j];
            model.MRotWork[j] = model.MRot0[j];
        } else {
            model.MRot0[j] = 0;
            model.MRotWork[j] = 0;
        }
    }
    for (int j = first; j <= last; ++j) {
        for (int m = 1; m <= MemberCount; ++m) {
            model.Y[j][m] = model.Q[j] != 0 ? (K[j][m] / model.Q[j]) * (-1) : 0.0;
        }
    }

    if (auto fault = FindNonFinite(model.JointMomentSum, "The moment sum M1 + M2", first, last)) {
        return fault;
    }
    if (auto fault = FindNonFinite(model.Q, "Q", first, last)) {
        return fault;
    }
    if (auto fault = FindNonFinite(model.MRot0, "M(0)", first, last)) {
        return fault;
    }
    return FindNonFinite(model.Y, "Y", first, last);
}
