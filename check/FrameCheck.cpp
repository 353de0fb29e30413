#include "check/FrameCheck.h"

FrameCheck CheckFrame(const FrameModel& model, const BayRecordTable& records) {
    FrameCheck check;
    check.records = records;
    check.exact = SolveExactly(model);
    check.oneCycle = OneCycleEndMoments(model);
    check.cycles = CountCycles(model, check.exact, {0.01, 0.001});
    SumJoints(model, check.oneCycle, check.jointSumOneCycle);
    SumStoreys(model, check.oneCycle, check.storeys.oneCycle);
    for (int b = 1; b <= CountsOf(model).totalBays; ++b) {
        check.bays.push_back(CheckBay(model, records, check.exact, b));
    }
    if (check.exact.solved) {
        SumJoints(model, check.exact.endMoments, check.jointSumExact);
        SumStoreys(model, check.exact.endMoments, check.storeys.exact);
        check.forces = ForcesInColumns(model, records, check.bays, check.exact);
    }
    return check;
}
