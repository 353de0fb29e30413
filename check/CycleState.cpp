#include "check/CycleState.h"

#include "analysis/RotationSweep.h"
#include "analysis/StoreySway.h"

CycleState InitialCycleState(const FrameModel& analysed) {
    return {analysed.MRot0, analysed.FloorM0};
}

void RunCycle(const FrameModel& analysed, CycleState& state) {
    SweepRotationMoments(analysed, state.storey, state.rotation, [](int, auto, double) {});
    state.storey = {};
    AddStoreyMoments(analysed, state.rotation, state.storey);
}
