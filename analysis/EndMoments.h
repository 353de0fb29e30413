#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// Member-end moments, clockwise positive on the member end:
///   beams   EndM = K × (2 MRot1(j) + MRot1(far end)) − load term (M1 or M2),
///   columns EndM = K × ((2 MRot1(j) + MRot1(far end)) + FloorM1(storey)),
/// for the members the joint has. Beyond a floor's first joint member 1, and
/// beyond its last joint member 2, is a cantilever whose end moment is its load
/// term reversed: EndM(j,1) = −M1(j), EndM(j,2) = −M2(j), formed where that load
/// term is not 0. The other entries stay empty.
StageResult ComputeEndMoments(FrameModel& model);
