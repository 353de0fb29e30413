#pragma once

#include "markup/HtmlText.h"

#include <string>
#include <string_view>

// The frame page's running text: headings and paragraphs, every text escaped.

inline void AppendParagraph(std::string& out, std::string_view text) {
    out += "<p>";
    AppendEscaped(out, text);
    out += "</p>\n";
}

inline void AppendHeading(std::string& out, std::string_view text) {
    out += "<h2>";
    AppendEscaped(out, text);
    out += "</h2>\n";
}
