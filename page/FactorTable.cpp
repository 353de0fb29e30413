#include "page/FactorTable.h"

#include "markup/HtmlText.h"

double RestrainedMoment(const FrameModel& model, int j) {
    // The load terms are the fixed-end moments reversed; their sum is M1 + M2 as
    // the joints' preparation forms it. From 0, so that a joint without a load
    // has a restrained moment of 0, not −0.
    return 0 - model.JointMomentSum[static_cast<std::size_t>(j)];
}

void AppendFactorTable(std::string& out, const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    HtmlTable table(out, "factors",
                    {"joint", "restrained moment, kN·m", "Q, unit of k", "M(0), kN·m", "Y1, –",
                     "Y2, –", "Y3, –", "Y4, –", "sway factor of the column below, –"});
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        table.row().whole(j).number(RestrainedMoment(model, j));
        table.number(model.Q[at]).number(model.MRot0[at]);
        for (int m = 1; m <= MemberCount; ++m) {
            table.number(model.Y[at][m]);
        }
        table.number(model.SwayFactor[at][static_cast<std::size_t>(FloorOfJoint(model, j))]);
    }
}
