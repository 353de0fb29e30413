#include "check/StoreySums.h"

void SumJoints(const FrameModel& model, const FrameEndMoments& table, JointTable& sums) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto& m = table.moments[j];
        sums[j] = ((m[1] + m[2]) + m[3]) + m[4];
    }
}

void SumStoreys(const FrameModel& model, const FrameEndMoments& table, FloorTable& sums) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            sums[f] = sums[f] + (table.moments[j][3] + table.moments[j - counts.columns][4]);
        }
    }
}
