#include "model/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsIgnoredBlank(c)) {
            compact.push_back(c);
        }
    }
    return compact;
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

/// Whole number in base 16 or 8 from the leading digits of `digits`.
std::optional<double> ReadRadixNumber(std::string_view digits, int radix) {
    double value = 0.0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

/// A number just above the largest double that still rounds to its 15-digit
/// text, 1.79769313486232E+308, is read as the largest double, so that every
/// number a box shows can be read back; anything larger has no value. The
/// comparison is made on the decimal digits themselves, exactly and the same on
/// every system (a long double is 64 bits wide on some, 80 on others).
/// `decimalExponent` is E of the value written 0.d1d2d3... × 10^E.
std::optional<double> LargestShownNumber(const std::string& canonical, long long decimalExponent) {
    std::string digits;
    for (char c : canonical.substr(0, canonical.find('e'))) {
        if (IsDigit(c) && (c != '0' || !digits.empty())) {
            digits.push_back(c);
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    constexpr std::string_view LargestShownDigits = "179769313486232"; // × 10^309
    if (decimalExponent > 309 || (decimalExponent == 309 && digits > LargestShownDigits)) {
        return std::nullopt;
    }
    const double largest = std::numeric_limits<double>::max();
    return canonical.front() == '-' ? -largest : largest;
}

/// Reads the longest leading decimal number: [sign] digits [. digits]
/// [E|D [sign] digits]. Builds a canonical copy for from_chars, which knows
/// neither a leading '+' nor the exponent letter 'D'.
std::optional<double> ReadDecimalNumber(std::string_view s) {
    std::string canonical;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            canonical.push_back('-');
        }
        ++i;
    }
    bool anyDigit = false;
    long long pointShift = 0; // decimal exponent of the first significant digit, roughly
    bool seenNonZero = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        canonical.push_back(s[i]);
        anyDigit = true;
        if (s[i] != '0') {
            seenNonZero = true;
        }
        if (seenNonZero) {
            ++pointShift;
        }
    }
    if (i < s.size() && s[i] == '.') {
        canonical.push_back('.');
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            canonical.push_back(s[i]);
            anyDigit = true;
            if (s[i] != '0') {
                seenNonZero = true;
            }
            if (!seenNonZero) {
                --pointShift;
            }
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            canonical.push_back('e');
            if (negative) {
                canonical.push_back('-');
            }
            for (; j < s.size() && IsDigit(s[j]); ++j) {
                canonical.push_back(s[j]);
                if (exponent < 1'000'000'000) {
                    exponent = exponent * 10 + (s[j] - '0');
                }
            }
            exponent = negative ? -exponent : exponent;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(),
                                        value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the range of a double, or too small for one: only the first
        // has no value; an underflow reads as a zero of its sign.
        if (seenNonZero && pointShift + exponent > 0) {
            return LargestShownNumber(canonical, pointShift + exponent);
        }
        return canonical.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

bool StartsWithRadixPrefix(std::string_view s, char letter) {
    return s.size() >= 2 && s[0] == '&' && (s[1] == letter || s[1] == letter + ('a' - 'A'));
}

} // namespace

std::optional<double> TextToNumber(std::string_view text) {
    const std::string compact = WithoutBlanks(text);
    const std::string_view s = compact;
    if (StartsWithRadixPrefix(s, 'H')) {
        return ReadRadixNumber(s.substr(2), 16);
    }
    if (StartsWithRadixPrefix(s, 'O')) {
        return ReadRadixNumber(s.substr(2), 8);
    }
    return ReadDecimalNumber(s);
}

namespace {

/// `significant` (no trailing zeros) × 10^exponent in the form 'd.dddE+xx'.
void AppendExponentForm(std::string& out, std::string_view significant, int exponent) {
    out.push_back(significant[0]);
    if (significant.size() > 1) {
        out.push_back('.');
        out.append(significant.substr(1));
    }
    out.push_back('E');
    out.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        out.push_back('0');
    }
    char buf[8];
    const auto result = std::to_chars(buf, buf + sizeof buf, magnitude);
    out.append(buf, result.ptr);
}

/// The same number written out with a decimal point where it has a fraction.
void AppendPointForm(std::string& out, std::string_view significant, int exponent) {
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significant;
        return;
    }
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (significant.size() <= intDigits) {
        out += significant;
        out.append(intDigits - significant.size(), '0');
    } else {
        out += significant.substr(0, intDigits);
        out.push_back('.');
        out += significant.substr(intDigits);
    }
}

} // namespace

void AppendNumber(std::string& out, double value, int digits) {
    if (value == 0.0) {
        out.push_back('0'); // also a negative zero
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
        return;
    }
    // `digits` significant digits, correctly rounded: [-]d.ddd...e[+-]xx
    digits = std::clamp(digits, 1, std::numeric_limits<double>::max_digits10);
    char buf[40];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    const std::string_view sci(buf, static_cast<std::size_t>(result.ptr - buf));
    const std::size_t ePos = sci.find('e');
    std::string_view mantissa = sci.substr(0, ePos);
    int exponent = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+'), sci.data() + sci.size(),
                    exponent);
    if (mantissa.front() == '-') {
        out.push_back('-');
        mantissa.remove_prefix(1);
    }
    // Significant digits without the point and without trailing zeros.
    char significant[24];
    std::size_t count = 0;
    for (char c : mantissa) {
        if (c != '.') {
            significant[count++] = c;
        }
    }
    while (count > 1 && significant[count - 1] == '0') {
        --count;
    }
    const std::string_view shown(significant, count);
    if (exponent < -4 || exponent >= digits) {
        AppendExponentForm(out, shown, exponent);
    } else {
        AppendPointForm(out, shown, exponent);
    }
}

std::string WholeToText(long long value) {
    std::array<char, 24> digits{};
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), end};
}

std::string NumberToText(double value) {
    std::string text;
    AppendNumber(text, value);
    return text;
}

std::string NumberToText(const Cell& cell) {
    return cell.isEmpty() ? std::string() : NumberToText(cell.value());
}

std::string NumberToText(double value, int digits) {
    std::string text;
    AppendNumber(text, value, digits);
    return text;
}

std::string NumberToText(const Cell& cell, int digits) {
    return cell.isEmpty() ? std::string() : NumberToText(cell.value(), digits);
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
    const std::optional<double> number = TextToNumber(text);
    if (!number) {
        return std::nullopt;
    }
    // Round half to even without depending on the floating-point environment.
    const double whole = std::floor(*number);
    const double fraction = *number - whole;
    double rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        rounded = whole + 1.0;
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}
