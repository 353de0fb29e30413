#pragma once

#include "analysis/StageResult.h"
#include "model/FrameModel.h"

/// The first cycle: one sweep of MRotWork with the storey moments FloorM0, its
/// terms kept as ST.
StageResult RunFirstCycle(FrameModel& model);
