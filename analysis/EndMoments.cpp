#include "analysis/EndMoments.h"

#include "analysis/EndMomentFormula.h"
#include "analysis/FiniteCheck.h"

StageResult ComputeEndMoments(FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    // The one formula of the end moments, from the cycle's rotation and storey
    // moments; the base ends that it forms too are not entries of EndM.
    VisitEndMoments(model, model.MRot1, model.FloorM1, [&](int j, int member, double moment) {
        if (j > counts.columns) {
            model.EndM[j][member] = moment;
        }
    });
    return FindNonFinite(model.EndM, "The member-end moment of member ", counts.columns + 1,
                         counts.lastJoint);
}
