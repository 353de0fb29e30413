#include "analysis/JointMembers.h"

void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            storey[f] =
                storey[f] + model.SwayFactor[j][f] * (rotation[j] + rotation[j - counts.columns]);
        }
    }
}
