#include "drawing/LabelPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

/// Per character, as a share of the font size: a digit of DejaVu Sans is 0.64
/// wide and a bold one 0.70 (Liberation Sans, the other usual face, is
/// narrower); a number is nearly all digits.
constexpr double CharWidth = 0.64;
constexpr double BoldCharWidth = 0.70;

/// Clear of every other label by twice this, so that coordinates rounded to
/// tenths never bring two boxes together.
constexpr double Padding = 1;

} // namespace

std::string_view ClassOf(LabelKind kind) {
    switch (kind) {
    case LabelKind::SpanMoment:
        return "label span";
    case LabelKind::JointNumber:
        return "joint";
    case LabelKind::EndMoment:
        break;
    }
    return "label";
}

Box BoxOf(const DiagramLabel& label, double fontSize, double padding) {
    const bool bold = label.kind == LabelKind::SpanMoment;
    const double length =
        static_cast<double>(label.text.size()) * (bold ? BoldCharWidth : CharWidth) * fontSize;
    // Along the baseline from the anchor, and across it from ascent to descent.
    double from = 0;
    if (label.anchor == Anchor::Middle) {
        from = -length / 2;
    } else if (label.anchor == Anchor::End) {
        from = -length;
    }
    const double to = from + length;
    const Point a = label.at;
    Box box;
    if (label.upright) {
        // Turned a quarter anticlockwise: the baseline runs up, the ascent to the left.
        box = {a.x - LabelAscent * fontSize, a.y - to, a.x + LabelDescent * fontSize, a.y - from};
    } else {
        box = {a.x + from, a.y - LabelAscent * fontSize, a.x + to, a.y + LabelDescent * fontSize};
    }
    return {box.left - padding, box.top - padding, box.right + padding, box.bottom + padding};
}

std::vector<DiagramLabel> PlaceLabels(std::vector<DiagramLabel> fixed,
                                      std::vector<LabelChoice> choices, double fontSize,
                                      const Box& bounds) {
    std::vector<Box> taken;
    taken.reserve(fixed.size() + choices.size());
    for (const DiagramLabel& label : fixed) {
        taken.push_back(BoxOf(label, fontSize, Padding));
    }
    // The larger moment wins; a size that is not a number counts as none.
    const auto sizeOf = [](const LabelChoice& c) {
        return std::isnan(c.moment) ? 0.0 : std::fabs(c.moment);
    };
    std::stable_sort(
        choices.begin(), choices.end(),
        [&](const LabelChoice& a, const LabelChoice& b) { return sizeOf(a) > sizeOf(b); });
    std::vector<DiagramLabel> placed = std::move(fixed);
    for (LabelChoice& choice : choices) {
        for (int p = 0; p < choice.placeCount; ++p) {
            choice.label.at = choice.places[static_cast<std::size_t>(p)];
            const Box box = BoxOf(choice.label, fontSize, Padding);
            const bool clear =
                box.within(bounds) && std::none_of(taken.begin(), taken.end(),
                                                   [&](const Box& t) { return t.overlaps(box); });
            if (clear) {
                taken.push_back(box);
                placed.push_back(std::move(choice.label));
                break;
            }
        }
    }
    return placed;
}
