#include "check/BayCheck.h"

#include "check/BayStatics.h"

BayCheck CheckBay(const FrameModel& model, const ExactSolution& exact, int b) {
    const BayLoad& bay = model.BayLoads[static_cast<std::size_t>(b)];
    BayCheck check{.record = b, .floor = bay.FloorNo, .bay = bay.BayNo};
    check.midspanOneCycle = model.Midspan[static_cast<std::size_t>(b)];
    const int j = BayLeftJoint(model, bay);
    const BayStatics s =
        BayStaticsOf(bay, exact.endMoments.moments[j][2], exact.endMoments.moments[j + 1][1]);
    if (exact.solved) {
        check.leftReaction = s.leftReaction;
        check.rightReaction = s.rightReaction;
        check.midspanExact = s.midspan;
        check.maxSagging = s.maxSagging;
        check.maxSaggingX = s.maxSaggingX;
    }
    check.femLeft = s.femLeft;
    check.femRight = s.femRight;
    check.typedLeft = model.M2[j];
    check.typedRight = TypedM1(model.M1[j + 1]);
    check.mismatch = LoadTermDisagrees(check.femLeft, check.typedLeft) ||
                     LoadTermDisagrees(check.femRight, check.typedRight);
    return check;
}
