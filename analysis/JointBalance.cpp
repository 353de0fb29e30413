#include "analysis/JointBalance.h"

#include "analysis/FiniteCheck.h"
#include "model/NumberText.h"

#include <array>
#include <string>

namespace {

/// A joint whose stiffnesses add up to 0 cannot take an unbalance: either it has
/// none, so its moments were typed without stiffnesses, or some are negative and
/// cancel the others.
std::string UndistributableMessage(int j, const std::array<Cell, MemberCount + 1>& k) {
    const std::string joint = "Joint " + WholeToText(j) + ": ";
    const std::string cannot = ", so the unbalance cannot be distributed over its members.";
    if (k[1] == 0 && k[2] == 0 && k[3] == 0 && k[4] == 0) {
        return joint +
               "its stiffnesses k1 to k4 add up to 0 while its moments do not balance (a "
               "moment M1 or M2 entered without stiffnesses?)" +
               cannot;
    }
    return joint + "its stiffnesses k1 to k4 (" + NumberToText(k[1].value()) + ", " +
           NumberToText(k[2].value()) + ", " + NumberToText(k[3].value()) + ", " +
           NumberToText(k[4].value()) +
           ") add up to 0 while its moments do not balance: negative stiffnesses cancel the "
           "others" +
           cannot;
}

} // namespace

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
            return UndistributableMessage(j, k);
        }
        for (int m = 1; m <= MemberCount; ++m) {
            model.CM[j][m] = endM[m] + (k[m] * model.JointUnbalance) / stiffness;
        }
    }
    return FindNonFinite(model.CM, "CM", counts.columns + 1, counts.lastJoint);
}
