#pragma once

#include "markup/HtmlText.h"
#include "model/NumberText.h"

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

/// "0.1 %": a share (0.001) as the page's text writes it, so that the text says
/// the very constant the code compares with.
inline std::string PercentText(double share) {
    return NumberToText(share * 100, PageDigits) + " %";
}
