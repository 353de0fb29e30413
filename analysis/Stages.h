#pragma once

#include "model/FrameModel.h"

#include <optional>
#include <string>

// The analysis stages, in the order the calculation runs them. Each reads and
// writes tables of the model in place; each returns the message of a fault
// that makes the rest of the calculation meaningless (a division without a
// value, a result beyond the range of numbers), or nothing.
//
// Preconditions: the counts are those of a valid setup (HasValidCounts) and
// every derived table is empty, as after ClearDerivedTables.

using StageResult = std::optional<std::string>;

/// Per joint of floors 1..FloorCount: JointMomentSum, Q (twice the stiffness
/// sum), the initial rotation moment MRot0 = (M1 + M2) / Q, its working copy
/// MRotWork and the rotation factors Y = -K / Q; all zero when Q is 0.
StageResult PrepareJoints(FrameModel& model);

/// Per storey: sway factors -1.5 k3 / (sum of the storey's k3) and the storey
/// moment FloorM0 from MRot0. Refuses a floor whose k3 add up to 0.
StageResult ComputeStoreySway(FrameModel& model);

/// The first cycle: one sweep of MRotWork with the storey moments FloorM0, its
/// terms kept as ST.
StageResult RunFirstCycle(FrameModel& model);

/// Freezes MRotWork as MRot1 and forms the storey moments FloorM1 from it.
StageResult SnapshotFirstCycle(FrameModel& model);

/// Member-end moments, clockwise positive on the member end:
///   beams   EndM = K × (2 MRot1(j) + MRot1(far end)) − load term (M1 or M2),
///   columns EndM = K × ((2 MRot1(j) + MRot1(far end)) + FloorM1(storey)),
/// for the members the joint has. Beyond a floor's first joint member 1, and
/// beyond its last joint member 2, is a cantilever whose end moment is its load
/// term reversed: EndM(j,1) = −M1(j), EndM(j,2) = −M2(j), formed where that load
/// term is not 0. The other entries stay empty.
StageResult ComputeEndMoments(FrameModel& model);

/// Distributes each joint's unbalance over its members in proportion to their
/// stiffness, giving the corrected member-end moments CM; a cantilever has no
/// stiffness and keeps its moment, so a joint's CM1..CM4 add up to 0 with it. Refuses a joint whose
/// stiffnesses add up to 0 while its moments do not balance.
StageResult BalanceJoints(FrameModel& model);
