#include "check/FrameCheck.h"

#include <stdexcept>

FrameCheck CheckFrame(const FrameModel& model, const BayRecordTable& records) {
    if (!records.describesEveryBay(CountsOf(model))) {
        throw std::invalid_argument("CheckFrame: a bay of the frame has no record; the model "
                                    "is not analysed");
    }
    FrameCheck check;
    check.records = records;
    check.exact = SolveExactly(model);
    check.negative = FirstNegativeStiffness(model);
    check.beforeBalance = EndMomentsOf(model, model.MRot1, model.FloorM1);
    check.oneCycle = OneCycleEndMoments(model, check.beforeBalance);
    if (check.exact.solved) {
        check.oneCycleDifference = CompareEndMoments(check.oneCycle, check.exact.endMoments);
    }
    check.roundingLevel =
        RoundingShare *
        LargestEndMoment(check.exact.solved ? check.exact.endMoments : check.oneCycle);
    check.convergence = TraceConvergence(model, check.exact, InitialCycleState(model));
    check.fromZero = TraceConvergence(model, check.exact, ZeroCycleState());
    SumJoints(model, check.beforeBalance, check.jointSumBefore);
    SumJoints(model, check.oneCycle, check.jointSumOneCycle);
    SumStoreys(model, check.oneCycle, check.storeys.oneCycle);
    for (int b = 1; b <= CountsOf(model).totalBays; ++b) {
        check.bays.push_back(CheckBay(model, check.exact, b));
    }
    if (check.exact.solved) {
        SumJoints(model, check.exact.endMoments, check.jointSumExact);
        SumStoreys(model, check.exact.endMoments, check.storeys.exact);
        check.forces = ForcesInColumns(model, records, check.bays, check.exact);
    }
    return check;
}
