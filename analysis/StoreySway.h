#pragma once

#include "model/FrameModel.h"

/// Adds to each floor's entry of `storey` (empty on entry) the storey moment
/// formed from the rotation moments `rotation` with the sway factors of the
/// model: for the joints j of floor f in increasing order,
///   storey(f) + SwayFactor(j, f) × (rotation(j) + rotation(j − N)),
/// the sum over the column's two ends first. The base joints' rotation is 0 (or
/// empty). Used for the storey moments (0) from M(0), (1) from M(1), and for
/// every later cycle.
void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey);
