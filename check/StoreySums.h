#pragma once

#include "check/FrameEndMoments.h"
#include "model/FrameModel.h"

/// Per storey 1..F: the sum of its column end moments, top and bottom, in kN·m.
/// With equal storey heights and no horizontal load the column shears, and so
/// these sums, add up to 0.
struct StoreySums {
    FloorTable oneCycle{};
    FloorTable exact{};
};

/// Per joint of floors 1..F: the sum of its end moments, 0 where it is in balance.
void SumJoints(const FrameModel& model, const FrameEndMoments& table, JointTable& sums);

/// Per storey: its columns' end moments, top and bottom.
void SumStoreys(const FrameModel& model, const FrameEndMoments& table, FloorTable& sums);
