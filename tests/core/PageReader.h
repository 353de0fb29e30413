#pragma once

// The frame page read back from its text, as a browser or another tool reads it:
// whether its markup nests, its tables, and the parts of its moment drawing.

#include "drawing/LabelPlacement.h"
#include "model/NumberText.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

/// The first fault of the markup: an element closed out of turn, closed without
/// being opened, or left open; "" when every element is closed in order. Void
/// elements (br, meta, ...) and those written `<x ... />` close themselves.
inline std::string MarkupFault(const std::string& page) {
    const std::string Void = " area base br col embed hr img input link meta source track wbr ";
    std::vector<std::string> open;
    for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
        const std::string tag = page.substr(at + 1, page.find('>', at) - at - 1);
        const std::size_t from = tag.starts_with('/') ? 1 : 0;
        const std::string name = tag.substr(from, tag.find_first_of(" \n/", from) - from);
        if (from == 1) {
            if (open.empty() || open.back() != name) {
                return "</" + name + "> closes <" + (open.empty() ? "" : open.back()) + ">";
            }
            open.pop_back();
        } else if (!tag.starts_with('!') && !tag.ends_with('/') &&
                   Void.find(' ' + name + ' ') == std::string::npos) {
            open.push_back(name);
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

/// A table's rows of cell texts, the header first.
using TableRows = std::vector<std::vector<std::string>>;

/// The rows of the page's table `id`, the header first; none, and a failure, when
/// the page has no such table.
inline TableRows TableById(const std::string& page, const std::string& id) {
    EXPECT_EQ(MarkupFault(page), "");
    const std::size_t at = page.find("<table id=\"" + id + "\"");
    if (at == std::string::npos) {
        ADD_FAILURE() << "the page has no table " << id;
        return {};
    }
    TableRows rows;
    const std::string body = page.substr(at, page.find("</table>", at) - at);
    for (std::size_t row = body.find("<tr"); row != std::string::npos;
         row = body.find("<tr", row + 1)) {
        auto& cells = rows.emplace_back();
        const std::string line = body.substr(row, body.find("</tr>", row) - row);
        for (std::size_t cell = line.find("<t", 3); cell != std::string::npos;
             cell = line.find("<t", cell + 1)) {
            const std::size_t start = cell + 4;
            cells.push_back(line.substr(start, line.find("</t", start) - start));
        }
    }
    return rows;
}

/// ` name="value"` within one tag.
inline std::string Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(' ' + name + "=\"");
    const std::size_t start = at == std::string::npos ? tag.size() : at + name.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

inline double Number(const std::string& text) {
    return TextToNumber(text).value_or(0);
}

struct DrawnText {
    std::string cls, text;
    Box box; ///< 0.6 of the font size wide per character, as high as the font
    double fontSize = 0;
};

/// One picture of the drawing: its view in its own units, printed width, texts
/// and the filled moment shapes, each from the member's axis out and back.
struct DrawnPart {
    Box view;
    double pixelsWide = 0;
    std::vector<DrawnText> texts;
    std::vector<std::vector<Point>> fills;
};

/// A text's size: its picture's, unless the style sheet sizes one of its classes.
inline double FontSize(const std::string& sheet, const std::string& classes, double pictureSize) {
    std::istringstream names(classes);
    for (std::string name; names >> name;) {
        const std::size_t rule = sheet.find('.' + name + '{');
        const std::size_t size = sheet.find("font-size:", rule);
        if (rule != std::string::npos && size < sheet.find('}', rule)) {
            return Number(sheet.substr(size + 10));
        }
    }
    return pictureSize;
}

/// A text of the picture, read from `<text class=".." x=".." y=".." [text-anchor=".."]
/// [transform=".."]>TEXT<`, its box 0.6 of the font size wide per character.
inline DrawnText ReadText(const std::string& element, const std::string& sheet,
                          double pictureSize) {
    const std::string tag = element.substr(0, element.find('>'));
    DrawnText t{Attribute(tag, "class"), element.substr(tag.size() + 1), {}, 0};
    t.fontSize = FontSize(sheet, t.cls, pictureSize);
    const double length = 0.6 * t.fontSize * static_cast<double>(t.text.size());
    const std::string anchor = Attribute(tag, "text-anchor");
    const double from = anchor == "middle" ? -length / 2 : anchor == "end" ? -length : 0;
    const double x = Number(Attribute(tag, "x")), y = Number(Attribute(tag, "y"));
    const double up = 0.8 * t.fontSize, down = 0.2 * t.fontSize;
    // Turned upright about its anchor, the baseline runs up and the ascent lies left.
    t.box = tag.find(" transform=") != std::string::npos
                ? Box{x - up, y - from - length, x + down, y - from}
                : Box{x + from, y - up, x + from + length, y + down};
    return t;
}

inline std::vector<DrawnPart> DrawnParts(const std::string& page) {
    EXPECT_EQ(MarkupFault(page), "");
    const std::string sheet = page.substr(0, page.find("</style>"));
    std::vector<DrawnPart> parts;
    for (std::size_t at = page.find("<svg role"); at != std::string::npos;
         at = page.find("<svg role", at + 1)) {
        const std::string tag = page.substr(at, page.find('>', at) - at);
        DrawnPart& part = parts.emplace_back();
        double w = 0, h = 0;
        std::sscanf(Attribute(tag, "viewBox").c_str(), "%lf %lf %lf %lf", &part.view.left,
                    &part.view.top, &w, &h);
        part.view.right = part.view.left + w;
        part.view.bottom = part.view.top + h;
        part.pixelsWide = Number(Attribute(tag, "width"));
        const double size = Number(Attribute(tag, "style").substr(10)); // after "font-size:"
        const std::size_t end = page.find("</svg>", at);
        for (std::size_t t = page.find("<text ", at); t < end; t = page.find("<text ", t + 1)) {
            const std::size_t close = page.find('<', page.find('>', t));
            part.texts.push_back(ReadText(page.substr(t + 5, close - t - 5), sheet, size));
        }
        for (std::size_t p = page.find("<polygon class=\"moment\"", at); p < end;
             p = page.find("<polygon class=\"moment\"", p + 1)) {
            std::istringstream points(Attribute(page.substr(p, page.find('>', p) - p), "points"));
            auto& fill = part.fills.emplace_back();
            for (Point q; points >> q.x && points.ignore() && points >> q.y;) {
                fill.push_back(q);
            }
        }
    }
    return parts;
}
