#include "analysis/FiniteCheck.h"
#include "analysis/Stages.h"

StageResult BalanceJoints(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto& endM = model.EndM[j];
        const auto& k = model.K[j];
        model.JointUnbalance = ((endM[1] + endM[2]) + endM[3]) + endM[4];
        if (model.JointUnbalance == 0) {
            // Already balanced: an empty member-end moment becomes an assigned 0.
            for (int m = 1; m <= MemberCount; ++m) {
                model.CM[j][m] = endM[m].value();
            }
            continue;
        }
        model.JointUnbalance = model.JointUnbalance * -1;
        const double stiffness = ((k[1] + k[2]) + k[3]) + k[4];
        if (stiffness == 0) {
            return "Joint " + std::to_string(j) +
                   ": its stiffnesses k1 to k4 add up to 0 while its moments do not balance (a "
                   "moment M1 or M2 entered without stiffnesses?), so the unbalance cannot be "
                   "distributed over its members.";
        }
        for (int m = 1; m <= MemberCount; ++m) {
            model.CM[j][m] = endM[m] + (k[m] * model.JointUnbalance) / stiffness;
        }
    }
    return FindNonFinite(model.CM, "CM", counts.columns + 1, counts.lastJoint);
}
