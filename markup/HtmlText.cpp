#include "markup/HtmlText.h"

#include "model/NumberText.h"

#include <charconv>

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out.push_back(c);
        }
    }
}

HtmlTable::HtmlTable(std::string& out, std::string_view id,
                     std::initializer_list<std::string_view> heads)
    : HtmlTable(out, id, std::vector<std::string_view>(heads)) {}

HtmlTable::HtmlTable(std::string& out, std::string_view id,
                     const std::vector<std::string_view>& heads)
    : out_(out) {
    out_ += "<table id=\"";
    AppendEscaped(out_, id);
    out_ += "\">\n<tr>";
    for (std::string_view head : heads) {
        out_ += "<th>";
        AppendEscaped(out_, head);
        out_ += "</th>";
    }
    out_ += "</tr>\n";
}

HtmlTable::~HtmlTable() {
    closeRow();
    out_ += "</table>\n";
}

void HtmlTable::closeRow() {
    if (rowOpen_) {
        out_ += "</tr>\n";
        rowOpen_ = false;
    }
}

HtmlTable& HtmlTable::row(std::string_view rowClass) {
    closeRow();
    out_ += "<tr";
    if (!rowClass.empty()) {
        out_ += " class=\"";
        AppendEscaped(out_, rowClass);
        out_ += '"';
    }
    out_ += '>';
    rowOpen_ = true;
    return *this;
}

HtmlTable& HtmlTable::text(std::string_view text) {
    out_ += "<td>";
    AppendEscaped(out_, text);
    out_ += "</td>";
    return *this;
}

HtmlTable& HtmlTable::number(double value) {
    out_ += "<td>";
    AppendNumber(out_, value, PageDigits);
    out_ += "</td>";
    return *this;
}

HtmlTable& HtmlTable::number(const Cell& cell) {
    return cell.isEmpty() ? empty() : number(cell.value());
}

HtmlTable& HtmlTable::numberIf(bool shown, double value) {
    return shown ? number(value) : empty();
}

HtmlTable& HtmlTable::whole(int value) {
    out_ += "<td>";
    out_ += WholeToText(value);
    out_ += "</td>";
    return *this;
}

HtmlTable& HtmlTable::empty() {
    out_ += "<td></td>";
    return *this;
}
