#pragma once

#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <vector>

/// Where the frame stands in the moment diagram, in the diagram's units (the
/// SVG user units, y downward). Bays are as wide as floor 1's spans, the mean
/// span drawn `BayWidth` wide; storeys are of equal height, since their heights
/// are not input. The drawing then keeps every bay within bounds of its own
/// (LayOutDiagram) and cuts the frame into parts, each with its own view box.
///
/// Precondition: the frame is analysed, so every bay has its one record.
struct FrameGrid {
    static constexpr double BayWidth = 200;
    static constexpr double StoreyHeight = 150;
    static constexpr double FirstLineX = 80; ///< x of column line 1
    static constexpr double TopRoom = 60;    ///< above the top floor: its hogging moments

    FrameCounts counts;
    double meanSpan = 1;
    std::vector<double> x;  ///< column line i = 1..N
    std::vector<double> y;  ///< level f = 0 (the base) .. F
    BayRecordTable records; ///< which record describes each beam
};

/// The grid of an analysed model whose bay records are `records` (BayRecordsOf).
FrameGrid GridOf(const FrameModel& model, const BayRecordTable& records);
