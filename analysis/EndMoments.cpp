#include "analysis/FiniteCheck.h"
#include "analysis/JointMembers.h"
#include "analysis/Stages.h"

StageResult ComputeEndMoments(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            for (const MemberEnd& end : MembersOf(counts, floor, f, j)) {
                double rotation = 2 * model.MRot1[j] + model.MRot1[end.farEnd];
                if (end.storey != 0) {
                    rotation = rotation + model.FloorM1[end.storey];
                }
                const double moment = model.K[j][end.member] * rotation;
                model.EndM[j][end.member] = end.member == 1   ? moment - model.M1[j]
                                            : end.member == 2 ? moment - model.M2[j]
                                                              : moment;
            }
            // Beyond a floor's end a load term is a cantilever's: held by the joint
            // alone, its end moment is the load term reversed, and with no stiffness
            // it takes no share of the joint's correction.
            if (j == floor.First) {
                model.EndM[j][1] = -model.M1[j];
            }
            if (j == floor.Last) {
                model.EndM[j][2] = -model.M2[j];
            }
        }
    }
    return FindNonFinite(model.EndM, "The member-end moment of member ", counts.columns + 1,
                         counts.lastJoint);
}
