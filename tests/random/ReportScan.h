#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Whether `text` is a number as the reports write one: an optional '-', up to
/// 15 significant digits in plain or exponent form ('12.5', '0.0001',
/// '1.5E+20', '2.5E-05'), no trailing zeros after a point, and a finite value.
bool IsShownNumber(std::string_view text);

/// Checks a report's text line by line: every line ends with CR LF, the title
/// (when `titled`) is followed by an empty line, every value written after a
/// '=' label is empty or a shown number, every joint number and every bay or
/// floor number is a whole number, and the text has `expectedLines` lines.
/// Returns what is wrong with the first faulty line, or nothing.
std::optional<std::string> ScanReport(std::string_view text, bool titled, int expectedLines);

/// As ScanReport, for the bay reports: each line starts with the bay and floor
/// numbers separated by " - "; the midspan report ends with a shown number.
std::optional<std::string> ScanBayReport(std::string_view text, bool midspan, int expectedLines);
