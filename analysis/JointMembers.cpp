#include "analysis/JointMembers.h"

JointMembers MembersOf(const FrameCounts& counts, const FloorRange& floor, int f, int j) {
    JointMembers members;
    const int n = counts.columns;
    auto add = [&members](int member, int farEnd, int storey) {
        members.ends[static_cast<std::size_t>(members.count++)] = {member, farEnd, storey};
    };
    add(3, j - n, f);
    if (f < counts.floors) {
        add(4, j + n, f + 1);
    }
    if (j != floor.Last) {
        add(2, j + 1, 0);
    }
    if (j != floor.First) {
        add(1, j - 1, 0);
    }
    return members;
}

void AddStoreyMoments(const FrameModel& model, const JointTable& rotation, FloorTable& storey) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        for (int j = model.FloorJoints[f].First; j <= model.FloorJoints[f].Last; ++j) {
            storey[f] =
                storey[f] + model.SwayFactor[j][f] * (rotation[j] + rotation[j - counts.columns]);
        }
    }
}
