#include "ReportScan.h"

#include "model/NumberText.h"

#include <cmath>
#include <vector>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWhole(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 6) {
        return false;
    }
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

/// Splits at CR LF; nothing is left over when the text ends with CR LF.
std::optional<std::string> SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            return "the last line does not end with CR LF";
        }
        const std::string_view line = text.substr(0, end);
        if (line.find_first_of("\r\n") != std::string_view::npos) {
            return "a line holds a lone CR or LF";
        }
        lines.push_back(line);
        text.remove_prefix(end + 2);
    }
    return std::nullopt;
}

std::string Quote(std::string_view line) {
    std::string quoted(1, '\'');
    quoted.append(line);
    quoted.push_back('\'');
    return quoted;
}

/// Every value after a '=' label: empty or a shown number, unless it must be
/// present.
std::optional<std::string> ScanLabelledValues(std::string_view line, bool valuesRequired) {
    for (std::size_t at = line.find('='); at != std::string_view::npos;
         at = line.find('=', at + 1)) {
        std::size_t start = at + 1;
        if (start < line.size() && line[start] == ' ') {
            ++start;
        }
        const std::size_t end = std::min(line.find(' ', start), line.size());
        const std::string_view value = line.substr(start, end - start);
        if (value.empty() ? valuesRequired : !IsShownNumber(value)) {
            return "the value '" + std::string(value) + "' in " + Quote(line) +
                   " is not a finite number as the reports write one";
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckLineCount(std::size_t lines, int expected) {
    if (static_cast<int>(lines) != expected) {
        return "the report has " + std::to_string(lines) + " lines instead of " +
               std::to_string(expected);
    }
    return std::nullopt;
}

} // namespace

bool IsShownNumber(std::string_view text) {
    std::string_view rest = text;
    if (!rest.empty() && rest.front() == '-') {
        rest.remove_prefix(1);
    }
    std::size_t i = 0;
    int digits = 0;
    while (i < rest.size() && IsDigit(rest[i])) {
        ++i;
        ++digits;
    }
    if (digits == 0 || (digits > 1 && rest[0] == '0')) {
        return false;
    }
    if (i < rest.size() && rest[i] == '.') {
        const std::size_t point = i++;
        while (i < rest.size() && IsDigit(rest[i])) {
            ++i;
            ++digits;
        }
        if (i == point + 1 || rest[i - 1] == '0') {
            return false; // a bare point or a trailing zero
        }
    }
    if (i < rest.size() && rest[i] == 'E') {
        ++i;
        if (i == rest.size() || (rest[i] != '+' && rest[i] != '-')) {
            return false;
        }
        const std::size_t exponentStart = ++i;
        while (i < rest.size() && IsDigit(rest[i])) {
            ++i;
        }
        if (i - exponentStart < 2 || i - exponentStart > 3) {
            return false;
        }
    }
    // Leading zeros of '0.000123' are not significant digits.
    const std::size_t significantStart = rest.find_first_of("123456789");
    const std::size_t exponentAt = rest.find('E');
    int significant = 0;
    for (std::size_t k = significantStart; k < std::min(exponentAt, rest.size()); ++k) {
        significant += IsDigit(rest[k]) ? 1 : 0;
    }
    if (i != rest.size() || significant > 15) {
        return false;
    }
    const std::optional<double> value = TextToNumber(text);
    return value.has_value() && std::isfinite(*value);
}

std::optional<std::string> ScanReport(std::string_view text, bool titled, int expectedLines) {
    std::vector<std::string_view> lines;
    if (auto fault = SplitLines(text, lines)) {
        return fault;
    }
    if (auto fault = CheckLineCount(lines.size(), expectedLines)) {
        return fault;
    }
    std::size_t first = 0;
    if (titled) {
        if (lines.size() < 2 || !lines[1].empty()) {
            return std::string("the title is not followed by an empty line");
        }
        first = 2;
    }
    constexpr std::string_view jointLabel = "JOINT NO. : - ";
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with(jointLabel)) {
            if (!IsWhole(line.substr(jointLabel.size()))) {
                return "the joint number in " + Quote(line) + " is not a whole number";
            }
            continue;
        }
        if (auto fault = ScanLabelledValues(line, false)) {
            return fault;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ScanBayReport(std::string_view text, bool midspan, int expectedLines) {
    std::vector<std::string_view> lines;
    if (auto fault = SplitLines(text, lines)) {
        return fault;
    }
    if (auto fault = CheckLineCount(lines.size(), expectedLines)) {
        return fault;
    }
    for (const std::string_view line : lines) {
        const std::size_t firstDash = line.find(" - ");
        const std::size_t secondDash =
            firstDash == std::string_view::npos ? firstDash : line.find(" - ", firstDash + 3);
        if (secondDash == std::string_view::npos || !IsWhole(line.substr(0, firstDash)) ||
            !IsWhole(line.substr(firstDash + 3, secondDash - firstDash - 3))) {
            return "the bay and floor numbers of " + Quote(line) + " are not whole numbers";
        }
        const std::string_view rest = line.substr(secondDash + 3);
        if (midspan ? !IsShownNumber(rest) : ScanLabelledValues(rest, true).has_value()) {
            return "a value of " + Quote(line) + " is not a finite number as the reports write one";
        }
    }
    return std::nullopt;
}
