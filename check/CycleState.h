#pragma once

#include "model/FrameModel.h"

/// What one cycle of the method leaves: the rotation moments after its sweep and
/// the storey moments formed from them. Cycle 0 is M(0) with the storey moments
/// (0); cycle 1 is M(1) with the storey moments (1), as the main report prints.
struct CycleState {
    JointTable rotation{};
    FloorTable storey{};
};

/// The state before the first cycle: M(0) and the storey moments (0) of an
/// analysed model.
CycleState InitialCycleState(const FrameModel& analysed);

/// The state Kani's iteration starts from: every rotation and storey moment 0.
inline CycleState ZeroCycleState() {
    return {};
}

/// One more cycle on `state`: a sweep with its storey moments, then the storey
/// moments formed anew from the swept rotation moments. The sweep and the storey
/// moments are the analysis's own, so cycle 1 gives MRot1 and FloorM1.
void RunCycle(const FrameModel& analysed, CycleState& state);
