#include "page/MethodSection.h"

#include "markup/HtmlText.h"
#include "model/NumberText.h"
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
    {"Load terms.",
     "M1 and M2 are typed as sizes, positive for a downward load: the fixed-end moments of "
     "the left beam (member 1, whose right end is at the joint) and of the right beam (member "
     "2, whose left end is at the joint). Under a downward load a beam's fixed-end moment is "
     "clockwise at its right end and anticlockwise at its left end, so the joint panel stores "
     "M1 with its sign reversed and M2 as typed: each stored value, \"M1 as stored\" "
     "and M2, is the member's load term = −(its clockwise fixed-end moment). A joint's "
     "restrained moment, the sum of the clockwise fixed-end moments at it, is so −(M1 + "
     "M2), M1 as stored."},
    {"Cantilevers.",
     "A floor's first joint has no left beam and its last no right beam. An M1 other than 0 "
     "typed at a floor's first joint, or an M2 at its last, is a cantilever's fixed-end "
     "moment: it is part of the joint's restrained moment and so of M(0), like a beam's, and "
     "the cantilever's end moment is that fixed-end moment, −M1 as stored (M1 as typed) "
     "at a first joint and −M2 at a last joint. It has no stiffness, no far joint and no "
     "term in the sweep."},
    {"Joint factors.",
     "Q = 2 (k1 + k2 + k3 + k4), in the unit of k, with k = 0 for a member the joint lacks. "
     "M(0) = (M1 + M2) / Q = −(restrained moment) / Q, in kN·m, M1 as stored. Y(m) = "
     "−k(m) / Q = −½ k(m) / Σ k, a pure number, for m = 1 to 4: Kani's "
     "rotation factor. A joint whose Q is 0 has M(0) = 0 and every Y = 0."},
    {"Sway factors and storey moments.",
     "A column's sway factor = −1.5 k3 / Σ k3 of its storey, a pure number: Kani's "
     "displacement factor; k3 is the column's stiffness as typed at its top joint, and storey "
     "f holds the columns under the joints of floor f. A storey's moment, in kN·m, = "
     "Σ sway factor × (M of the joint at the column's top + M of the joint at its "
     "foot), over its columns from left to right; a fixed base has M = 0. The storey moments "
     "(0) are formed from M(0)."},
    {"One sweep.",
     "The floors from 1 up, and each floor's joints from left to right; each joint's M "
     "becomes M(0) + Σ Y(m) × (M of the far joint + s), where s is the storey "
     "moment for a column member and 0 for a beam; the terms are added in the order column "
     "below, column above, right beam, left beam, for the members the joint has. The left and "
     "lower neighbours have already been swept in this cycle; the right and upper ones still "
     "hold the cycle before. The column terms use the storey moments of the cycle before: "
     "storey f for the column below a joint of floor f, storey f + 1 for the one above. After "
     "the sweep, the storey moments are formed anew. A cycle c is one sweep with its new "
     "storey moments, M(c) and the storey moments (c) what it leaves; cycle 0 is the start."},
    {"End moments.",
     "A member's end moment, in kN·m, clockwise positive on the member end, = k (2 M of "
     "its joint + M of the far joint + s) − the load term, with s as in the sweep: the "
     "load term is M1 as stored for member 1, M2 for member 2, none for a column. A "
     "cantilever's end moment is its fixed-end moment, as above. A fixed base's end moment is "
     "k3 (M of the joint above + the storey moment of storey 1), with the k3 typed at the "
     "joint above: the base does not rotate, so 2 M of the base + M of the joint above is M "
     "of the joint above. The reports' end moments are those of cycle 1."},
    {"The balance.",
     "A one-off correction of cycle 1's end moments that the reports print, not a step of the "
     "iteration: a joint's end moments, a cantilever's included, add up to its unbalance U, "
     "and each member m gets k(m) × (−U) / (k1 + k2 + k3 + k4) added (the corrected "
     "moments CM), so that they add up to 0. A cantilever and the base ends keep their "
     "moments. It changes no M and no storey moment: cycle 2 continues from the swept values "
     "before it."},
    {"The unknowns.",
     "The cycles approach the exact solution of the slope-deflection equations: φ of "
     "each joint and ψ of each storey, both in kN·m like the end moments they form. "
     "φ = 2 E K0 θ, the joint's rotation θ (clockwise positive, in radians) "
     "times twice the modulus of elasticity E and the standard stiffness K0 that the relative "
     "stiffnesses k are taken of; ψ = −6 E K0 R, R the storey's sway over its "
     "height, clockwise positive."},
    {"The start.",
     "The sweep starts from M(0) at every joint and from the storey moments (0). Kani's "
     "iteration, as textbooks commonly teach it, starts from zero, so its cycles have other "
     "numbers, but it converges to the same exact values: Kani's worksheet below runs the "
     "same sweep from zero. A member's rotation contribution at a joint in Kani's terms is k "
     "× M of that joint, and a column's displacement contribution is k × the "
     "storey moment; this holds for every cycle of Kani's worksheet and for the exact values "
     "(k × φ, k × ψ), not for the method's own cycles, which start "
     "elsewhere."}};

} // namespace

void AppendMethodSection(std::string& out) {
    AppendParagraph(out, "The program analyses the frame by Takabeya's method, an iteration of "
                         "the slope-deflection equations with sway whose unknowns are a rotation "
                         "moment M per joint and a moment per storey. It runs one cycle; the "
                         "tables below repeat the cycles to show how far that one is from the "
                         "exact values they approach. Member m of a joint: 1 the left beam, 2 the "
                         "right beam, 3 the column below, 4 the column above; k is its relative "
                         "stiffness as typed.");
    for (const auto& [lead, text] : Steps) {
        AppendStep(out, lead, text);
    }
}
