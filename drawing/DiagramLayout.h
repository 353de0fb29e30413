#pragma once

#include "drawing/FrameGrid.h"
#include "drawing/LabelPlacement.h"
#include "model/FrameModel.h"

#include <vector>

// How the moment diagram meets the printed page. Printed on A4 with the page's
// margins of 12 mm, a picture may be 186 mm wide; the diagram is drawn at one
// fixed size, DiagramPixelsPerUnit CSS pixels per unit, and a frame wider than
// that is cut into parts of whole bays, stacked down the page. So every text is
// printed DiagramFontSize × DiagramPixelsPerUnit pixels high (7.3 pt), whatever
// the frame: printed text smaller than 7 pt is hard to read.

inline constexpr double DiagramPixelsPerUnit = 0.72;
inline constexpr double DiagramFontSize = 13.5;
/// A bay far shorter than the others is drawn wider than its span, with room
/// for its joint numbers and a label: this share of the mean bay.
inline constexpr double LeastBayShare = 0.4;
/// 186 mm is 702.99 CSS pixels (96 to the inch); a picture's size is written in
/// whole pixels, so a part is at most 702 pixels wide.
inline constexpr double MaxPartWidth = 702 / DiagramPixelsPerUnit;

/// A picture's width or height in whole CSS pixels, as its attributes give it.
double PicturePixels(double units);

/// One part of the diagram: column lines first..last (the bays first..last − 1)
/// and the rectangle of the frame it shows. The column line where one part ends
/// is the first of the next, drawn in both.
struct DiagramPart {
    int first = 1, last = 2;
    Box view; ///< the part's picture, in the grid's units
};

/// The frame's grid as the diagram draws it, and its parts, all of one width and
/// height so that each is printed at the same scale.
struct DiagramLayout {
    FrameGrid grid;
    std::vector<DiagramPart> parts;
};

/// The grid of GridOf, with every bay drawn at least 0.4 of the mean bay wide
/// and at most as wide as a part can be, and the parts: as many whole bays as
/// fit in MaxPartWidth with the room beside the outer column lines.
DiagramLayout LayOutDiagram(const FrameModel& model, const BayRecordTable& records);
