#pragma once

#include "analysis/JointMembers.h"
#include "model/FrameModel.h"

/// One Gauss-Seidel sweep of the rotation moments `rotation`, floor by floor from
/// the bottom and joint by joint from the left, each update seeing the values
/// reached before it:
///   rotation(j) = MRot0(j) + Σ Y(j,m) × (rotation(far end) + storey moment),
/// the terms added one by one in the order column below, column above, right
/// beam, left beam, for the members the joint has. A column carries the moment
/// of its own storey from `storeyMoments` (storey f below floor f, f + 1 above
/// it); a beam carries none. Each term, storey moment included, is handed to
/// recordTerm(j, MemberNumber<m>, term) as it is added: the first cycle keeps it
/// as ST(j, m).
///
/// Each update starts from MRot0, not from the joint's previous value, so the
/// sweep can be repeated. Repeated with the storey moments formed anew from the
/// rotation moments after each sweep (AddStoreyMoments), it converges to the
/// rotation moments of the slope-deflection equations with sway.
template <class RecordTerm>
void SweepRotationMoments(const FrameModel& model, const FloorTable& storeyMoments,
                          JointTable& rotation, RecordTerm&& recordTerm) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            const auto& y = model.Y[j];
            double updated = model.MRot0[j];
            ForEachMember(counts, floor, f, j, [&](auto member, int farEnd, int storey) {
                double term = 0;
                if constexpr (member >= 3) { // a column carries its storey's moment
                    term = y[member] * (rotation[farEnd] + storeyMoments[storey]);
                } else {
                    term = y[member] * rotation[farEnd];
                }
                updated = updated + term;
                recordTerm(j, member, term);
            });
            rotation[j] = updated;
        }
    }
}
