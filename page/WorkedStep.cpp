#include "page/WorkedStep.h"

#include "analysis/JointMembers.h"
#include "model/NumberText.h"
#include "page/PageText.h"

#include <string>

namespace {

/// A number as the reports print it, in brackets when negative, to stand as a
/// factor.
std::string Factor(double value) {
    const std::string text = NumberToText(value);
    return text.starts_with('-') ? "(" + text + ")" : text;
}

/// " = RESULT kN·m (TABLE in the TABLE table)": the result as the reports print
/// it and as the tables round it.
std::string Result(double value, const char* table) {
    return " = " + NumberToText(value) + " kN·m (" + NumberToText(value, PageDigits) + " in the " +
           table + " table).";
}

std::string Joint(int j) {
    return "joint " + WholeToText(j);
}

/// Cycle 1 at joint j, the first of floor 1: every neighbour still holds cycle 0.
void AppendJointUpdate(std::string& out, const FrameModel& model, int j) {
    const FrameCounts counts = CountsOf(model);
    std::string formula = "M(1) of " + Joint(j) + " = M(0)";
    std::string values = "= " + NumberToText(model.MRot0[j]);
    std::string terms = "= " + NumberToText(model.MRot0[j]);
    ForEachMember(counts, model.FloorJoints[1], 1, j, [&](auto member, int far, int storey) {
        const double y = model.Y[j][member];
        if (y == 0) {
            return; // a term of 0 changes no sum
        }
        const std::string m = WholeToText(member());
        const bool base = far <= counts.columns;
        const std::string farText = base ? "M of base " + Joint(far) : "M(0) of " + Joint(far);
        const std::string farValue = base ? "0" : NumberToText(model.MRot0[far]);
        if (storey > 0) {
            formula += " + Y" + m + " × (" + farText + " + storey moment (0) of storey " +
                       WholeToText(storey) + ")";
            values +=
                " + " + Factor(y) + " × (" + farValue + " + " + Factor(model.FloorM0[storey]) + ")";
        } else {
            formula += " + Y" + m + " × " + farText;
            values += " + " + Factor(y) + " × " + Factor(model.MRot0[far]);
        }
        terms += " + " + Factor(model.ST[j][member]);
    });
    AppendParagraph(out, formula);
    AppendParagraph(out, values);
    AppendParagraph(out, terms + Result(model.MRot1[j], "rotations"));
}

void AppendStoreyMoment(std::string& out, const FrameModel& model) {
    const FloorRange& floor = model.FloorJoints[1];
    std::string values = "= ";
    for (int j = floor.First; j <= floor.Last; ++j) {
        values += (j == floor.First ? "" : " + ") + Factor(model.SwayFactor[j][1]) + " × (" +
                  NumberToText(model.MRot1[j]) + " + 0)";
    }
    AppendParagraph(out, "Storey moment (1) of storey 1 = Σ sway factor × (M(1) of the joint at "
                         "the column's top + M of the fixed base at its foot, 0), column by "
                         "column from the left");
    AppendParagraph(out, values + Result(model.FloorM1[1], "rotations"));
}

void AppendBeamEnd(std::string& out, const FrameModel& model, int j) {
    AppendParagraph(out, "End moment of member 2 (the right beam) of " + Joint(j) +
                             " before the balance = k2 × (2 × M(1) of " + Joint(j) + " + M(1) of " +
                             Joint(j + 1) + ") − M2");
    AppendParagraph(out, "= " + Factor(model.K[j][2]) + " × (2 × " + Factor(model.MRot1[j]) +
                             " + " + Factor(model.MRot1[j + 1]) + ") − " + Factor(model.M2[j]) +
                             Result(model.EndM[j][2], "end-moments"));
}

} // namespace

void AppendWorkedStep(std::string& out, const FrameModel& model) {
    const int j = CountsOf(model).columns + 1;
    AppendParagraph(out, "Cycle 1 at " + Joint(j) +
                             ", the first joint of floor 1, with the frame's own numbers as the "
                             "main report prints them (up to " +
                             WholeToText(ReportDigits) +
                             " significant digits, a trailing zero not written; the tables round "
                             "them to " +
                             WholeToText(PageDigits) +
                             " significant digits). It is the first joint swept, so every "
                             "neighbour still holds cycle 0: M(0), with the storey moments (0). "
                             "The factors are those of the table above.");
    AppendJointUpdate(out, model, j);
    AppendParagraph(out, "Once every joint is swept, the storey moments are formed anew:");
    AppendStoreyMoment(out, model);
    AppendParagraph(out, "From M(1) and the storey moments (1), the end moments of cycle 1:");
    AppendBeamEnd(out, model, j);
}
