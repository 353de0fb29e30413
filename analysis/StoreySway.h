#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// Per storey: sway factors -1.5 k3 / (sum of the storey's k3) and the storey
/// moment FloorM0 from MRot0. Refuses a floor whose k3 add up to 0.
StageResult ComputeStoreySway(FrameModel& model);

/// Adds to each floor's entry of `storey` (empty on entry) the storey moment
/// formed from the rotation moments `rotation` with the sway factors of the
/// model: for the joints j of floor f in increasing order,
///   storey(f) + SwayFactor(j, f) × (rotation(j) + rotation(j − N)),
/// the sum over the column's two ends first. The base joints' rotation is 0 (or
/// empty). Used for the storey moments (0) from M(0), (1) from M(1), and for
/// every later cycle.
void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey);
