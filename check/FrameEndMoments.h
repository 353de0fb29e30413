#pragma once

#include "model/FrameModel.h"

// Units and signs as in the reports: moments in kN·m, clockwise positive on the
// member end.

/// Member-end moments of the whole frame, [joint][member] as in EndM and CM:
/// members 1..4 of the joints of floors 1..F where the joint has the member, a
/// cantilever's moment as member 1 (at a floor's first joint) or member 2 (at its
/// last) where an M1 or M2 is stored there, and at base joint j (1..N) member 4,
/// the base end of the column above it. Every other cell is empty.
struct FrameEndMoments {
    MemberTable moments{};
};

/// The end moments that VisitEndMoments forms from the rotation moments
/// `rotation` (0 at the base) and the storey moments `storey`, as a table.
FrameEndMoments EndMomentsOf(const FrameModel& model, const JointTable& rotation,
                             const FloorTable& storey);

/// The program's one cycle: CM for the members the joints have, and from
/// `beforeBalance` (EndMomentsOf MRot1 and FloorM1) the cantilevers' −M1 / −M2
/// and the base ends K(j,3) × (MRot1(j) + FloorM1(1)), which no balance changes.
FrameEndMoments OneCycleEndMoments(const FrameModel& model, const FrameEndMoments& beforeBalance);

/// The largest |moment| in the table; 0 for an empty one.
double LargestEndMoment(const FrameEndMoments& table);
