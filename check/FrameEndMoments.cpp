#include "check/FrameEndMoments.h"

#include "analysis/EndMomentFormula.h"

#include <algorithm>
#include <cmath>

FrameEndMoments EndMomentsOf(const FrameModel& model, const JointTable& rotation,
                             const FloorTable& storey) {
    FrameEndMoments table;
    VisitEndMoments(model, rotation, storey, [&table](int j, int member, double moment) {
        table.moments[j][member] = moment;
    });
    return table;
}

FrameEndMoments OneCycleEndMoments(const FrameModel& model, const FrameEndMoments& beforeBalance) {
    // The corrected moments over the uncorrected ones where the balance formed
    // them: the cantilevers and the base ends stay as formed.
    FrameEndMoments table = beforeBalance;
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            for (const MemberEnd& end : MembersOf(counts, floor, f, j)) {
                table.moments[j][end.member] = model.CM[j][end.member].value();
            }
        }
    }
    return table;
}

double LargestEndMoment(const FrameEndMoments& table) {
    double largest = 0;
    for (const auto& joint : table.moments) {
        for (const Cell& moment : joint) {
            largest = std::max(largest, std::fabs(moment.value()));
        }
    }
    return largest;
}
