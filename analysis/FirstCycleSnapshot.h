#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// Freezes MRotWork as MRot1 and forms the storey moments FloorM1 from it.
StageResult SnapshotFirstCycle(FrameModel& model);
