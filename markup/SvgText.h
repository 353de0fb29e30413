#pragma once

#include <string>
#include <string_view>
#include <vector>

// Elements of the inline SVG of the frame page. Coordinates are written to
// 0.1 of a unit with std::to_chars, so the picture's text is the same in every
// build and locale; styles come from the page's style sheet by class.

struct Point {
    double x = 0, y = 0;
};

/// A coordinate rounded to 0.1: "12", "12.5", "-3.2".
void AppendCoordinate(std::string& out, double value);

/// <polygon class="CLASS" points="..."/> (closed) or <polyline ...> (open).
void AppendPolygon(std::string& out, std::string_view cls, const std::vector<Point>& points);
void AppendPolyline(std::string& out, std::string_view cls, const std::vector<Point>& points);

void AppendLine(std::string& out, std::string_view cls, Point from, Point to);

enum class Anchor { Start, Middle, End };

/// A text label; `upright` turns it to read upward (for a column), rotating it
/// about its anchor point. `text` is escaped.
void AppendLabel(std::string& out, std::string_view cls, Point at, Anchor anchor,
                 std::string_view text, bool upright = false);
