#pragma once

#include "analysis/JointMembers.h"
#include "model/FrameModel.h"

/// Calls visit(joint, member, moment) for every end moment of the frame formed from
/// the rotation moments `rotation` (φ, 0 at the base) and the storey moments
/// `storey` (ψ) with the end-moment formulas, clockwise positive on the member end:
///   beams       K × (2 φ_j + φ_far) − M1 or M2,
///   columns     K × ((2 φ_j + φ_far) + ψ of the column's storey),
///   cantilevers −M1 or −M2 (the load term alone: the cantilever's far end is free),
///   base ends   K(j,3) × (φ_j + ψ_1) for the column below joint j of floor 1, at
///               [j − N][4]; the base does not rotate, so 2 φ_base + φ_j is φ_j.
/// The arithmetic is that of the end-moment stage, so φ = MRot1 and ψ = FloorM1
/// give EndM bit for bit.
template <class Visit>
void VisitEndMoments(const FrameModel& model, const JointTable& rotation, const FloorTable& storey,
                     Visit&& visit) {
    const FrameCounts counts = CountsOf(model);
    for (int f = 1; f <= counts.floors; ++f) {
        const FloorRange& floor = model.FloorJoints[f];
        for (int j = floor.First; j <= floor.Last; ++j) {
            ForEachMember(counts, floor, f, j, [&](auto member, int farEnd, int storeyOf) {
                double turn = 2 * rotation[j] + rotation[farEnd];
                if constexpr (member >= 3) { // a column: its storey's moment
                    turn = turn + storey[storeyOf];
                }
                const double moment = model.K[j][member] * turn;
                if constexpr (member == 1) {
                    visit(j, member(), moment - model.M1[j]);
                } else if constexpr (member == 2) {
                    visit(j, member(), moment - model.M2[j]);
                } else {
                    visit(j, member(), moment);
                }
            });
        }
        // A cantilever's end moment is its fixed-end moment: its load term reversed,
        // which for member 1 is M1 as typed.
        if (HasCantilever(model, floor, floor.First, 1)) {
            visit(floor.First, 1, TypedM1(model.M1[floor.First]).value());
        }
        if (HasCantilever(model, floor, floor.Last, 2)) {
            visit(floor.Last, 2, -model.M2[floor.Last]);
        }
    }
    const FloorRange& first = model.FloorJoints[1];
    for (int j = first.First; j <= first.Last; ++j) {
        visit(j - counts.columns, 4, model.K[j][3] * (rotation[j] + storey[1]));
    }
}
