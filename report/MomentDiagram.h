#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>

/// Appends the frame page's moment diagram, an inline <svg> element without
/// script or outside reference: the frame as a grid (bays as wide as floor 1's
/// spans, storeys of equal height, fixed bases), the exact moments drawn on each
/// member's tension side and filled, labelled with the exact member-end moments
/// and each beam's largest sagging moment, the one cycle's corrected moments as
/// a dashed outline, and a legend with the scale. The largest exact moment is
/// drawn 0.35 of a storey high. Without an exact solution the one cycle is drawn
/// alone, filled and labelled (its midspan moments in the spans).
///
/// The picture is sized in its own units (viewBox), as wide as the frame needs;
/// the page's style sheet shrinks it to the page and styles it by class.
void AppendMomentDiagram(std::string& out, const FrameModel& model, const FrameCheck& check);
