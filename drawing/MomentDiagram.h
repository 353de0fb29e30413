#pragma once

#include "check/FrameCheck.h"
#include "model/FrameModel.h"

#include <string>

/// Appends the frame page's moment diagram: its legend, an HTML list
/// (DiagramLegend.h), then the frame drawn in one or more parts of whole bays
/// (DiagramLayout.h), each an inline <svg> without script or outside reference
/// in a <div class="part">, headed with its bays when there are several. Each
/// picture shows the frame as a grid (bays as wide as floor 1's spans, storeys
/// of equal height, fixed bases), the exact moments drawn on each member's
/// tension side and filled, labelled with the sizes of the exact member-end
/// moments and each beam's largest sagging moment (DiagramLabels.h), the one
/// cycle's corrected moments as a dashed outline, and the joint numbers. The
/// largest exact moment is drawn 0.35 of a storey high in every part. Without an
/// exact solution the one cycle is drawn alone, filled and labelled (its midspan
/// moments in the spans).
///
/// Every part is drawn at DiagramPixelsPerUnit and styled by class from the
/// page's style sheet (DiagramStyleSheet).
void AppendMomentDiagram(std::string& out, const FrameModel& model, const FrameCheck& check);
