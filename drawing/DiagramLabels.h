#pragma once

#include "check/FrameCheck.h"
#include "drawing/DiagramLayout.h"
#include "drawing/LabelPlacement.h"
#include "drawing/MomentShapes.h"
#include "model/FrameModel.h"

#include <vector>

/// What the numbers of the moment diagram are read from: the shapes drawn and
/// filled (the exact moments, or the one cycle's without an exact solution) and
/// the bays' span moments.
struct LabelSource {
    const FrameModel& model;
    const FrameCheck& check;
    const FrameGrid& grid;
    double scale = 0; ///< diagram units per kN·m
};

/// The texts of one part of the diagram, placed so that no two cover each
/// other: the joint numbers of its column lines, always; the size of each
/// member-end moment beside its end, without sign, on the side away from the
/// drawn moment; and under each beam's curve its largest sagging moment in bold
/// (the midspan moment without an exact solution). A sagging peak within 1 % of
/// the span from an end is that end's moment and is not written twice. Where
/// two would overlap the larger moment stays (PlaceLabels) and the other moves
/// to the far side of its member or is left out.
std::vector<DiagramLabel> PartLabels(const LabelSource& source, const DiagramPart& part,
                                     const std::vector<const MomentShape*>& shapes);
