#pragma once

#include "model/BayRecords.h"
#include "model/FrameModel.h"

#include <vector>

/// Where the frame stands in the moment diagram, in the diagram's units (the
/// SVG user units, y downward). The bays are as wide as their spans: floor 1's
/// records give each bay's L, and a bay of floor 1 that no record describes gets
/// the mean of those spans (1 when there is none). The mean span is
/// drawn `BayWidth` wide; storeys are of equal height, since their heights are
/// not input.
struct FrameGrid {
    static constexpr double BayWidth = 200;
    static constexpr double StoreyHeight = 150;
    static constexpr double Margin = 80; ///< room for cantilevers and labels left and right
    static constexpr double Top = 60;    ///< room for the top floor's hogging moments

    int floors = 0;
    int columns = 0;
    double meanSpan = 1;
    std::vector<double> x;  ///< column line i = 1..N
    std::vector<double> y;  ///< level f = 0 (the base) .. F
    BayRecordTable records; ///< which record describes each beam

    double width() const { return x.back() + Margin; }
    /// The record of the beam of floor f, bay b, or 0.
    int recordOf(int f, int b) const { return records.recordOf({floors, columns, 0, 0}, f, b); }
};

/// The grid of a model whose bay records are `records` (BayRecordsOf).
FrameGrid GridOf(const FrameModel& model, const BayRecordTable& records);
