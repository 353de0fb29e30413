// Fuzzes the conversions between typed text and numbers with arbitrary bytes.
//
// For every input:
//  - TextToNumber never crashes, never reads outside its text and never gives
//    an infinity or NaN;
//  - a text made only of decimal-number characters reads as the C library
//    reads it (strtod in the "C" locale, 'D' taken as 'E');
//  - '&H' and '&O' texts of few enough digits read as the exact whole number;
//  - every finite result survives NumberToText -> TextToNumber -> NumberToText
//    unchanged, and so does the double whose bit pattern the first 8 bytes are;
//  - TextToInt16 is TextToNumber rounded half to even when that lies in
//    -32768 .. 32767, and no value otherwise.
// A broken property prints what it saw and aborts, which libFuzzer reports.
#include "model/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

[[noreturn]] void Fail(const char* property, std::string_view input, const std::string& detail) {
    std::fprintf(stderr, "\nBROKEN: %s\n  input: '%s'\n  %s\n", property, Printable(input).c_str(),
                 detail.c_str());
    std::abort();
}

std::string Describe(std::optional<double> value) {
    if (!value) {
        return "no value";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", *value);
    return text;
}

bool SameDouble(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact.push_back(c);
        }
    }
    return compact;
}

/// Decimal texts: compare with strtod, whose grammar for these characters is
/// the same longest leading [sign] digits [. digits] [E [sign] digits].
void CheckAgainstStrtod(std::string_view input, const std::string& compact,
                        std::optional<double> number) {
    if (compact.find_first_not_of("0123456789+-.eEdD") != std::string::npos) {
        return;
    }
    std::string c_text = compact;
    for (char& c : c_text) {
        if (c == 'd' || c == 'D') {
            c = 'E';
        }
    }
    const double expected = std::strtod(c_text.c_str(), nullptr);
    if (std::isinf(expected)) {
        // Beyond the range of a double: no value, or the largest double for a
        // text that rounds to the largest double's 15-digit form.
        const double largest = std::numeric_limits<double>::max();
        if (number && !SameDouble(*number, std::copysign(largest, expected))) {
            Fail("an overflowing text reads as a number", input, "read " + Describe(number));
        }
        return;
    }
    if (!number || !SameDouble(*number, expected)) {
        Fail("TextToNumber disagrees with strtod", input,
             "read " + Describe(number) + ", strtod " + Describe(expected));
    }
}

/// '&H' / '&O' followed only by digits of the radix, few enough to be exact.
void CheckRadix(std::string_view input, const std::string& compact, std::optional<double> number) {
    if (compact.size() < 2 || compact[0] != '&') {
        return;
    }
    const char letter = compact[1];
    const bool hex = letter == 'H' || letter == 'h';
    const bool octal = letter == 'O' || letter == 'o';
    const std::string digits = compact.substr(2);
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "01234567";
    if ((!hex && !octal) || digits.size() > 13 ||
        digits.find_first_not_of(allowed) != std::string::npos) {
        return;
    }
    const double expected =
        digits.empty() ? 0.0
                       : static_cast<double>(std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8));
    if (!number || !SameDouble(*number, expected)) {
        Fail("a radix text does not read as its whole number", input,
             "read " + Describe(number) + ", expected " + Describe(expected));
    }
}

bool LooksLikeShownNumber(const std::string& shown) {
    return !shown.empty() && shown.size() <= 24 &&
           shown.find_first_not_of("0123456789.-+E") == std::string::npos;
}

void CheckRoundTrip(std::string_view input, double x) {
    const std::string shown = NumberToText(x);
    if (!LooksLikeShownNumber(shown)) {
        Fail("NumberToText gives an unexpected text", input,
             "number " + Describe(x) + " shown as '" + Printable(shown) + "'");
    }
    const std::optional<double> back = TextToNumber(shown);
    if (!back) {
        Fail("a shown number cannot be read back", input,
             "number " + Describe(x) + " shown as '" + shown + "'");
    }
    const std::string again = NumberToText(*back);
    if (again != shown) {
        Fail("15 significant digits do not survive the round trip", input,
             "number " + Describe(x) + " shown as '" + shown + "', read back as " + Describe(back) +
                 ", shown again as '" + again + "'");
    }
}

void CheckInt16(std::string_view input, std::optional<double> number) {
    std::optional<std::int16_t> expected;
    if (number) {
        // The default rounding mode rounds to nearest, ties to even.
        const double rounded = std::nearbyint(*number);
        if (rounded >= -32768.0 && rounded <= 32767.0) {
            expected = static_cast<std::int16_t>(rounded);
        }
    }
    const std::optional<std::int16_t> whole = TextToInt16(input);
    if (whole != expected) {
        Fail("TextToInt16 is not TextToNumber rounded half to even", input,
             "number " + Describe(number) + ", whole " +
                 (whole ? std::to_string(*whole) : std::string("no value")) + ", expected " +
                 (expected ? std::to_string(*expected) : std::string("no value")));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::optional<double> number = TextToNumber(input);
    if (number && !std::isfinite(*number)) {
        Fail("TextToNumber gives a value that is not finite", input, Describe(number));
    }
    const std::string compact = WithoutBlanks(input);
    CheckAgainstStrtod(input, compact, number);
    CheckRadix(input, compact, number);
    if (number) {
        CheckRoundTrip(input, *number);
    }
    CheckInt16(input, number);

    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        if (std::isfinite(bits)) {
            CheckRoundTrip(input, bits);
        }
    }
    return 0;
}
