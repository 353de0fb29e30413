#pragma once

#include "drawing/FrameGrid.h"
#include "model/FrameModel.h"

#include <vector>

/// One member's bending moment, ready to draw: points along the member's axis in
/// the diagram's units with the moment there, and the direction in which a
/// positive moment is drawn, which is the member's tension side.
///
/// Beams: sagging positive, drawn downward (below the beam). Columns: read from
/// the base upward as a beam is read from left to right (a quarter turn
/// anticlockwise takes the beam's left end to the column's bottom and its
/// underside to the column's right side), so a column's moment is
/// bottom end moment × (1 − s) − top end moment × s, positive drawn to the right.
/// Cantilevers: the root's moment joined to 0 at a short stub's tip, since a
/// cantilever's loads and length are not input.
struct MomentShape {
    struct Sample {
        double x = 0, y = 0; ///< on the member's axis
        double moment = 0;   ///< kN·m, positive on the side (dx, dy)
    };
    enum class Kind { Beam, Column, Cantilever } kind = Kind::Beam;
    double dx = 0, dy = 0; ///< unit direction of a positive ordinate
    std::vector<Sample> samples;
    Cell firstEnd, lastEnd; ///< member-end moments at the first and last sample (clockwise +)
    int record = 0;         ///< a beam's bay record, 0 for none
};

inline constexpr double CantileverLength = 50;

/// The shapes of every member with a moment in `moments` ([joint][member], as
/// in FrameEndMoments): beams of floors 1..F, columns of storeys 1..F, and the
/// cantilevers of the floors' end joints.
std::vector<MomentShape> MomentShapes(const FrameModel& model, const FrameGrid& grid,
                                      const MemberTable& moments);

/// The largest |moment| of all samples; 0 when there is none.
double LargestDrawnMoment(const std::vector<MomentShape>& shapes);
