#pragma once

#include "model/FrameModel.h"

#include <vector>

/// Where the frame stands in the moment diagram, in the diagram's units (the
/// SVG user units, y downward). The bays are as wide as their spans: floor 1's
/// records give each bay's L, and a bay that no record of floor 1 describes with
/// L > 0 gets the mean of those spans (1 when there is none). The mean span is
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
    std::vector<double> x;     ///< column line i = 1..N
    std::vector<double> y;     ///< level f = 0 (the base) .. F
    std::vector<int> beamLoad; ///< [f × N + b]: the first record of floor f, bay b; 0 for none

    double width() const { return x.back() + Margin; }
    /// The record of the beam of floor f, bay b, or 0.
    int recordOf(int f, int b) const {
        const int beam = f * columns + b;
        return beamLoad[static_cast<std::size_t>(beam)];
    }
};

FrameGrid GridOf(const FrameModel& model);
