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
        }
    }
    return FindNonFinite(model.EndM, "The member-end moment of member ", counts.columns + 1,
                         counts.lastJoint);
}
