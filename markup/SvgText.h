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

/// A rectangle in a picture's units, y downward: a picture's view box, or the
/// room a text takes.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool within(const Box& bounds) const {
        return left >= bounds.left && right <= bounds.right && top >= bounds.top &&
               bottom <= bounds.bottom;
    }
};

/// Opens an inline picture: `<svg ATTRIBUTES viewBox="…" width="W" height="H"`,
/// then ` style="STYLE"` when a style is given, then `>`. `attributes` are
/// written as given (escape any typed text in them); the view box is `view`,
/// and W × H its size on the page in CSS pixels.
void AppendSvgOpen(std::string& out, std::string_view attributes, const Box& view,
                   double pixelsWide, double pixelsHigh, std::string_view style = {});

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
                 std::string_view text, bool upright);
