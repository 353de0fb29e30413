#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// Per joint of floors 1..FloorCount: JointMomentSum, Q (twice the stiffness
/// sum), the initial rotation moment MRot0 = (M1 + M2) / Q, its working copy
/// MRotWork and the rotation factors Y = -K / Q; all zero when Q is 0.
StageResult PrepareJoints(FrameModel& model);
