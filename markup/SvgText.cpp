#include "markup/SvgText.h"

#include "markup/HtmlText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

void AppendCoordinate(std::string& out, double value) {
    // Tenths as a whole number, so that the text never depends on how a
    // library rounds a fraction; a rounded −0 is written "0". A point far off
    // the picture (a one cycle far from a tiny exact answer) is kept within
    // what the whole number holds.
    constexpr double Far = 1e9;
    value = std::isnan(value) ? 0.0 : std::clamp(value, -Far, Far);
    const double tenths = std::round(value * 10);
    const auto whole = static_cast<long long>(tenths == 0 ? 0.0 : tenths);
    const long long magnitude = whole < 0 ? -whole : whole;
    if (whole < 0) {
        out.push_back('-');
    }
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, magnitude / 10);
    out.append(buf, result.ptr);
    if (magnitude % 10 != 0) {
        out.push_back('.');
        out.push_back(static_cast<char>('0' + magnitude % 10));
    }
}

namespace {

void AppendPoints(std::string& out, std::string_view element, std::string_view cls,
                  const std::vector<Point>& points) {
    out += '<';
    out += element;
    out += " class=\"";
    out += cls;
    out += "\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            out.push_back(' ');
        }
        AppendCoordinate(out, points[i].x);
        out.push_back(',');
        AppendCoordinate(out, points[i].y);
    }
    out += "\"/>\n";
}

void AppendAttribute(std::string& out, std::string_view name, double value) {
    out.push_back(' ');
    out += name;
    out += "=\"";
    AppendCoordinate(out, value);
    out.push_back('"');
}

} // namespace

void AppendSvgOpen(std::string& out, std::string_view attributes, const Box& view,
                   double pixelsWide, double pixelsHigh, std::string_view style) {
    out += "<svg ";
    out += attributes;
    out += " viewBox=\"";
    AppendCoordinate(out, view.left);
    out.push_back(' ');
    AppendCoordinate(out, view.top);
    out.push_back(' ');
    AppendCoordinate(out, view.right - view.left);
    out.push_back(' ');
    AppendCoordinate(out, view.bottom - view.top);
    out.push_back('"');
    AppendAttribute(out, "width", pixelsWide);
    AppendAttribute(out, "height", pixelsHigh);
    if (!style.empty()) {
        out += " style=\"";
        out += style;
        out.push_back('"');
    }
    out.push_back('>');
}

void AppendPolygon(std::string& out, std::string_view cls, const std::vector<Point>& points) {
    AppendPoints(out, "polygon", cls, points);
}

void AppendPolyline(std::string& out, std::string_view cls, const std::vector<Point>& points) {
    AppendPoints(out, "polyline", cls, points);
}

void AppendLine(std::string& out, std::string_view cls, Point from, Point to) {
    out += "<line class=\"";
    out += cls;
    out.push_back('"');
    AppendAttribute(out, "x1", from.x);
    AppendAttribute(out, "y1", from.y);
    AppendAttribute(out, "x2", to.x);
    AppendAttribute(out, "y2", to.y);
    out += "/>\n";
}

void AppendLabel(std::string& out, std::string_view cls, Point at, Anchor anchor,
                 std::string_view text, bool upright) {
    out += "<text class=\"";
    out += cls;
    out.push_back('"');
    AppendAttribute(out, "x", at.x);
    AppendAttribute(out, "y", at.y);
    if (anchor != Anchor::Start) {
        out += anchor == Anchor::Middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
    }
    if (upright) {
        out += " transform=\"rotate(-90 ";
        AppendCoordinate(out, at.x);
        out.push_back(' ');
        AppendCoordinate(out, at.y);
        out += ")\"";
    }
    out.push_back('>');
    AppendEscaped(out, text);
    out += "</text>\n";
}
