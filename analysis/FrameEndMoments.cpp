#include "analysis/FrameEndMoments.h"

bool HasCantilever(const FrameModel& model, const FloorRange& floor, int j, int member) {
    const Cell& loadTerm = member == 1 ? model.M1[j] : model.M2[j];
    const int freeEnd = member == 1 ? floor.First : floor.Last;
    return j == freeEnd && !loadTerm.isEmpty() && loadTerm != 0;
}

FrameEndMoments EndMomentsOf(const FrameModel& model, const JointTable& rotation,
                             const FloorTable& storey) {
    FrameEndMoments table;
    VisitEndMoments(model, rotation, storey, [&table](int j, int member, double moment) {
        table.moments[j][member] = moment;
    });
    return table;
}

FrameEndMoments OneCycleEndMoments(const FrameModel& model) {
    // The uncorrected moments of the cycle, then the corrected ones over them where
    // the balance formed them: the cantilevers and the base ends stay as formed.
    FrameEndMoments table = EndMomentsOf(model, model.MRot1, model.FloorM1);
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
