#include "check/FrameCheck.h"

FrameCheck CheckFrame(const FrameModel& model, const BayRecordTable& records) {
    FrameCheck check;
    check.records = records;
    check.exact = SolveExactly(model);
    check.negative = FirstNegativeStiffness(model);
    check.beforeBalance = EndMomentsOf(model, model.MRot1, model.FloorM1);
    check.oneCycle = OneCycleEndMoments(model, check.beforeBalance);
    check.convergence = TraceConvergence(model, check.exact, check.oneCycle);
    SumJoints(model, check.beforeBalance, check.jointSumBefore);
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
