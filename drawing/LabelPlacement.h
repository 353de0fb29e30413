#pragma once

#include "markup/SvgText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Where the moment diagram's numbers go so that none covers another. A label's
// room is estimated from its characters, since the page cannot measure text:
// each character as wide as a digit of the usual sans-serif faces, the box as
// high as the font size, from 0.8 of it above the baseline to 0.2 below.

/// Of the font size, above and below a label's baseline.
inline constexpr double LabelAscent = 0.8;
inline constexpr double LabelDescent = 0.2;

/// What a text of the diagram gives: a member-end moment, a span's moment (in
/// bold) or a joint's number.
enum class LabelKind { EndMoment, SpanMoment, JointNumber };

/// The style-sheet class of a kind of text: "label", "label span" or "joint".
std::string_view ClassOf(LabelKind kind);

/// A text of the diagram as written: its kind, its anchor point and whether it
/// is turned to read upward (rotated a quarter turn about the anchor point).
struct DiagramLabel {
    std::string text;
    LabelKind kind = LabelKind::EndMoment;
    Point at;
    Anchor anchor = Anchor::Start;
    bool upright = false;
};

/// The box of a label of `fontSize`, widened by `padding` on every side.
Box BoxOf(const DiagramLabel& label, double fontSize, double padding);

/// A label that may stand in one of up to two places, the first preferred, and
/// the moment it gives (kN·m, without sign), whose size decides which label stays.
struct LabelChoice {
    DiagramLabel label;
    std::array<Point, 2> places{};
    int placeCount = 1;
    double moment = 0;
};

/// Fixes the places of `choices` around the labels of `fixed` (which always
/// stay): the largest moments first, each in its first place that keeps clear
/// of every label already placed and within `bounds`; a label with no such
/// place is left out. Equal sizes keep the order of `choices`, so the outcome
/// depends on nothing but the input. Returns `fixed` followed by the placed
/// labels.
std::vector<DiagramLabel> PlaceLabels(std::vector<DiagramLabel> fixed,
                                      std::vector<LabelChoice> choices, double fontSize,
                                      const Box& bounds);
