#include "analysis/FiniteCheck.h"
#include "analysis/Stages.h"

#include <initializer_list>

namespace {

/// EndM(j, m) = K(j, m) × (2 × MRot1(j) + MRot1(far end)) − load term; the
/// columns (members 3 and 4) have no load term and no sway moment.
void FormEndMoments(FrameModel& model, int n, int j, std::initializer_list<int> members) {
    for (int m : members) {
        const int farEnd = m == 1 ? j - 1 : m == 2 ? j + 1 : m == 3 ? j - n : j + n;
        const double moment = model.K[j][m] * (2 * model.MRot1[j] + model.MRot1[farEnd]);
        if (m == 1) {
            model.EndM[j][m] = moment - model.M1[j];
        } else if (m == 2) {
            model.EndM[j][m] = moment - model.M2[j];
        } else {
            model.EndM[j][m] = moment;
        }
    }
}

} // namespace

StageResult ComputeEndMoments(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const int a = model.FloorJoints[f].First;
        const int b = model.FloorJoints[f].Last;
        if (f < counts.floors) {
            FormEndMoments(model, counts.columns, a, {2, 3, 4});
            for (int j = a + 1; j <= b - 1; ++j) {
                FormEndMoments(model, counts.columns, j, {1, 2, 3, 4});
            }
            FormEndMoments(model, counts.columns, b, {1, 3, 4});
        } else {
            // The top floor has no column above.
            FormEndMoments(model, counts.columns, a, {2, 3});
            for (int j = a + 1; j <= b - 1; ++j) {
                FormEndMoments(model, counts.columns, j, {1, 2, 3});
            }
            FormEndMoments(model, counts.columns, b, {1, 3});
        }
    }
    return FindNonFinite(model.EndM, "The member-end moment of member ", counts.columns + 1,
                         counts.lastJoint);
}
