#include "drawing/DiagramLabels.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Em = DiagramFontSize;
constexpr double Ascent = LabelAscent * Em, Descent = LabelDescent * Em;
/// A beam's end label starts this far along from the joint, clear of the upright
/// column labels beside the joint; a column's, clear of the beam labels.
constexpr double BeamEndGap = 20;
constexpr double ColumnEndGap = 18;
constexpr double AxisGap = 4;           ///< between a member's axis and its label
constexpr double PeakAtEnd = 0.01;      ///< of the span: a peak this near an end is the end's
constexpr double JointNumberOffset = 4; ///< up and left of the joint

/// Baselines of a horizontal label clear below or above a level y.
double Below(double y) {
    return y + AxisGap + Ascent;
}
double Above(double y) {
    return y - AxisGap - Descent;
}

std::string SizeText(double moment) {
    return NumberToText(std::fabs(moment), PageDigits);
}

/// An end label of a beam, cantilever or column: beside the end on the side
/// away from the drawn moment, or failing room on the other side.
void AddEndLabel(std::vector<LabelChoice>& choices, const MomentShape& shape, bool atFirst) {
    const Cell& value = atFirst ? shape.firstEnd : shape.lastEnd;
    if (value.isEmpty()) {
        return;
    }
    const MomentShape::Sample& s = atFirst ? shape.samples.front() : shape.samples.back();
    // A zero end draws nothing; its label goes where a negative one would not.
    const bool drawnPositive = s.moment > 0;
    LabelChoice choice{{SizeText(value.value()),
                        LabelKind::EndMoment,
                        {},
                        atFirst ? Anchor::Start : Anchor::End,
                        false},
                       {},
                       2,
                       std::fabs(value.value())};
    if (shape.kind == MomentShape::Kind::Column) {
        // Upright, reading upward from the column's bottom end; the ascent is to the left.
        const double y = atFirst ? s.y - ColumnEndGap : s.y + ColumnEndGap;
        const Point left{s.x - AxisGap - Descent, y};
        const Point right{s.x + AxisGap + Ascent, y};
        choice.label.upright = true;
        choice.places = drawnPositive ? std::array{left, right} : std::array{right, left};
    } else {
        // Beams and cantilevers: positive (sagging) moments are drawn below.
        const double x = atFirst ? s.x + BeamEndGap : s.x - BeamEndGap;
        const Point above{x, Above(s.y)};
        const Point below{x, Below(s.y)};
        choice.places =
            drawnPositive || s.moment == 0 ? std::array{above, below} : std::array{below, above};
    }
    choices.push_back(std::move(choice));
}

/// A beam's largest sagging moment (exact) or midspan moment (one cycle), in
/// bold under the curve where it lies. A span that hogs all along has none.
void AddSpanLabel(std::vector<LabelChoice>& choices, const LabelSource& source,
                  const MomentShape& shape) {
    if (shape.kind != MomentShape::Kind::Beam) {
        return;
    }
    const BayCheck& bay = source.check.bayOfRecord(shape.record);
    const double span = source.model.BayLoads[static_cast<std::size_t>(shape.record)].SpanL;
    const bool exact = source.check.exact.solved;
    const double x = exact ? bay.maxSaggingX : span / 2;
    const double moment = exact ? bay.maxSagging : bay.midspanOneCycle;
    if (!(moment > 0) || x <= PeakAtEnd * span || x >= (1 - PeakAtEnd) * span) {
        return;
    }
    const double x0 = shape.samples.front().x;
    const double width = shape.samples.back().x - x0;
    const Point at{x0 + x / span * width, Below(shape.samples.front().y + moment * source.scale)};
    choices.push_back({{SizeText(moment), LabelKind::SpanMoment, at, Anchor::Middle, false},
                       {at, at},
                       1,
                       moment});
}

/// Each joint's number up and left of it, where the labels leave room.
std::vector<DiagramLabel> JointNumbers(const FrameGrid& grid, const DiagramPart& part) {
    std::vector<DiagramLabel> numbers;
    for (int f = 0; f <= grid.counts.floors; ++f) {
        for (int i = part.first; i <= part.last; ++i) {
            const Point at{grid.x[static_cast<std::size_t>(i)] - JointNumberOffset,
                           grid.y[static_cast<std::size_t>(f)] - JointNumberOffset};
            numbers.push_back({WholeToText(JointAt(grid.counts, f, i)), LabelKind::JointNumber, at,
                               Anchor::End, false});
        }
    }
    return numbers;
}

} // namespace

std::vector<DiagramLabel> PartLabels(const LabelSource& source, const DiagramPart& part,
                                     const std::vector<const MomentShape*>& shapes) {
    std::vector<LabelChoice> choices;
    choices.reserve(3 * shapes.size());
    for (const MomentShape* shape : shapes) {
        AddEndLabel(choices, *shape, true);
        AddEndLabel(choices, *shape, false);
        AddSpanLabel(choices, source, *shape);
    }
    return PlaceLabels(JointNumbers(source.grid, part), std::move(choices), DiagramFontSize,
                       part.view);
}
