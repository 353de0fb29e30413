#pragma once

#include "model/Cell.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Pieces of the frame page's HTML: escaped text and plain, regular tables.

/// Appends `text` with & < > " ' written as character references, so that no
/// typed text can open an element, end an attribute or start an entity.
void AppendEscaped(std::string& out, std::string_view text);

/// Writes one table into `out` in the one shape that tools reading the page
/// expect: `<table id="ID">`, a row of `<th>` cells, then one `<tr>` of `<td>`
/// cells per row, each row on its own line, no other elements. Numbers have the
/// page's 6 significant digits; an empty cell is an empty `<td></td>`.
class HtmlTable {
public:
    HtmlTable(std::string& out, std::string_view id, std::initializer_list<std::string_view> heads);
    HtmlTable(std::string& out, std::string_view id, const std::vector<std::string_view>& heads);
    HtmlTable(const HtmlTable&) = delete;
    /// Closes the last row and the table.
    ~HtmlTable();

    /// Starts a row; a non-empty `rowClass` becomes its class attribute.
    HtmlTable& row(std::string_view rowClass = {});
    HtmlTable& text(std::string_view text);
    HtmlTable& number(double value);
    HtmlTable& number(const Cell& cell);
    /// The number when `shown`, else an empty cell.
    HtmlTable& numberIf(bool shown, double value);
    HtmlTable& whole(int value);
    HtmlTable& empty();

private:
    void closeRow();

    std::string& out_;
    bool rowOpen_ = false;
};
