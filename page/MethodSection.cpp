#include "markup/HtmlText.h"
#include "model/NumberText.h"
#include "page/HandCalculation.h"
#include "page/PageText.h"

#include <string_view>

namespace {

/// One paragraph of the method: a lead in bold, then the text.
void AppendStep(std::string& out, std::string_view lead, std::string_view text) {
    out += "<p><strong>";
    AppendEscaped(out, lead);
    out += "</strong> ";
    AppendEscaped(out, text);
    out += "</p>\n";
}

// Written from the analysis's own arithmetic (JointPreparation, StoreySway,
// RotationSweep, EndMomentFormula, JointBalance): the same formulas, the same
// order of terms, the same signs.
constexpr std::string_view Steps[][2] = {
    {"Joint factors.",
     "Q = 2 (k1 + k2 + k3 + k4), in the unit of k, with k = 0 for a member the joint lacks. "
     "M(0) = (M1 + M2) / Q, in kN·m, with M1 as held: its sign reversed from what was typed "
     "(the joint panel stores it so), and M2 as typed. Y(m) = −k(m) / Q, a pure number, for "
     "m = 1 to 4. A joint whose Q is 0 has M(0) = 0 and every Y = 0."},
    {"Sway factors and storey moments.",
     "A column's sway factor = −1.5 k3 / Σ k3 of its storey, a pure number; k3 is the "
     "column's stiffness as typed at its top joint, and storey f holds the columns under the "
     "joints of floor f. A storey's moment, in kN·m, = Σ sway factor × (M of the joint at the "
     "column's top + M of the joint at its foot), over its columns from left to right; a "
     "fixed base has M = 0. The storey moments (0) are formed from M(0)."},
    {"One sweep.",
     "The floors from 1 up, and each floor's joints from left to right; each joint's M "
     "becomes M(0) + Σ Y(m) × (M of the far joint + the storey moment, for a column member), "
     "the terms added in the order column below, column above, right beam, left beam, for the "
     "members the joint has. The left and lower neighbours have already been swept in this "
     "cycle; the right and upper ones still hold the cycle before. The column terms use the "
     "storey moments of the cycle before: storey f for the column below a joint of floor f, "
     "storey f + 1 for the one above. After the sweep, the storey moments are formed anew. A "
     "cycle c is one sweep with its new storey moments, M(c) and the storey moments (c) what "
     "it leaves; cycle 0 is the start."},
    {"End moments.",
     "A member's end moment, in kN·m, clockwise positive on the member end, = k (2 M of its "
     "joint + M of the far joint + the storey moment, for a column) − the load term: M1 as "
     "held for member 1, M2 for member 2, none for a column. A cantilever's end moment is its "
     "load term reversed, −M1 or −M2; a fixed base's is k3 (M of the joint above + the storey "
     "moment of storey 1). The reports' end moments are those of cycle 1."},
    {"The balance.",
     "A one-off correction of cycle 1's end moments that the reports print, not a step of the "
     "iteration: a joint's end moments, a cantilever's included, add up to its unbalance U, "
     "and each member m gets k(m) × (−U) / (k1 + k2 + k3 + k4) added (the corrected moments "
     "CM), so that they add up to 0; a cantilever keeps its moment. It changes no M and no "
     "storey moment: cycle 2 continues from the swept values before it. So cycle 2 can be "
     "further from the exact values than cycle 1 after the balance while the sweep itself "
     "comes closer."},
    {"The start.",
     "The sweep starts from M(0) at every joint and from the storey moments (0). Kani's "
     "iteration, as textbooks commonly teach it, starts from zero, so its early cycles have "
     "other numbers, but it converges to the same exact values. To compare with a Kani table: "
     "a member's rotation contribution at a joint there is k × M of that joint here, and a "
     "column's displacement contribution is k × the storey moment."}};

} // namespace

void AppendMethodSection(std::string& out) {
    out += "<section id=\"method\">\n";
    AppendHeading(out, "The method");
    AppendParagraph(out, "The program analyses the frame by Takabeya's method, an iteration of "
                         "the slope-deflection equations with sway whose unknowns are a rotation "
                         "moment M per joint and a moment per storey. It runs one cycle; the "
                         "tables below repeat the cycles to show how far that one is from the "
                         "exact values they approach. Member m of a joint: 1 the left beam, 2 the "
                         "right beam, 3 the column below, 4 the column above; k is its relative "
                         "stiffness as typed, M1 and M2 the load terms of the left and right "
                         "beam.");
    for (const auto& [lead, text] : Steps) {
        AppendStep(out, lead, text);
    }
    out += "</section>\n";
}

void AppendFactorTable(std::string& out, const FrameModel& model) {
    const FrameCounts counts = CountsOf(model);
    HtmlTable table(out, "factors",
                    {"joint", "Q, unit of k", "M(0), kN·m", "Y1, –", "Y2, –", "Y3, –", "Y4, –",
                     "sway factor of the column below, –"});
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        const auto at = static_cast<std::size_t>(j);
        table.row().whole(j).number(model.Q[at]).number(model.MRot0[at]);
        for (int m = 1; m <= MemberCount; ++m) {
            table.number(model.Y[at][m]);
        }
        table.number(model.SwayFactor[at][static_cast<std::size_t>(FloorOfJoint(model, j))]);
    }
}
