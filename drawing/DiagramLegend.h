#pragma once

#include <string>
#include <string_view>

/// What the legend says of one diagram.
struct LegendFacts {
    bool solved = true;      ///< the exact moments are drawn, the one cycle dashed
    double largest = 0;      ///< kN·m, the largest moment drawn
    double largestDrawn = 0; ///< its length in the diagram's units
    double storeyShare = 0;  ///< that length as a share of a storey's height
    int parts = 1;
    bool cantilevers = false; ///< the frame has a cantilever
};

/// The legend of the moment diagram, an HTML list beside the pictures: what
/// the fill, the dashed line, a stub (when there is one), the numbers and the joint numbers mean,
/// with a small picture or sample of each, and the scale as a bar as long as
/// the largest moment is drawn.
void AppendDiagramLegend(std::string& out, const LegendFacts& facts);
