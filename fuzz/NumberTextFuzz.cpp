// Fuzzes the conversions between typed text and numbers with arbitrary bytes.
//
// For every input:
//  - TextToNumber never crashes, never reads outside its text and never gives
//    an infinity or NaN;
//  - a text made only of decimal-number characters reads as the C library
//    reads it (strtod in the "C" locale, 'D' taken as 'E'); one beyond the range
//    of a double has no value or reads as the largest double;
//  - '&H' and '&O' texts of few enough digits read as the exact whole number;
//  - every finite result survives NumberToText -> TextToNumber -> NumberToText
//    unchanged, and so does the double whose bit pattern the first 8 bytes are;
//  - TextToInt16 is TextToNumber rounded half to even when that lies in
//    -32768 .. 32767, and no value otherwise.
// A broken property prints its name and aborts; libFuzzer saves the input.
#include "model/NumberText.h"

#include <algorithm>
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

void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "\nBROKEN: %s\n", property);
        std::abort();
    }
}

bool SameDouble(std::optional<double> a, double b) {
    return a && *a == b && std::signbit(*a) == std::signbit(b);
}

void CheckAgainstStrtod(std::string compact, std::optional<double> number) {
    if (compact.find_first_not_of("0123456789+-.eEdD") != std::string::npos) {
        return;
    }
    for (char& c : compact) {
        c = c == 'd' || c == 'D' ? 'E' : c;
    }
    const double expected = std::strtod(compact.c_str(), nullptr);
    if (std::isinf(expected)) {
        Require(!number ||
                    SameDouble(number, std::copysign(std::numeric_limits<double>::max(), expected)),
                "an overflowing text reads as a number");
    } else {
        Require(SameDouble(number, expected), "TextToNumber disagrees with strtod");
    }
}

void CheckRadix(const std::string& compact, std::optional<double> number) {
    const bool hex = compact.starts_with("&H") || compact.starts_with("&h");
    const bool octal = compact.starts_with("&O") || compact.starts_with("&o");
    const std::string digits = compact.substr(std::min<std::size_t>(compact.size(), 2));
    if ((hex || octal) && digits.size() <= 13 &&
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "01234567") ==
            std::string::npos) {
        const auto whole = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8);
        Require(SameDouble(number, static_cast<double>(whole)),
                "a radix text does not read as its whole number");
    }
}

void CheckRoundTrip(double x) {
    const std::string shown = NumberToText(x);
    Require(!shown.empty() && shown.find_first_not_of("0123456789.-+E") == std::string::npos,
            "NumberToText gives an unexpected text");
    const std::optional<double> back = TextToNumber(shown);
    Require(back && NumberToText(*back) == shown,
            "15 significant digits do not survive the round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = TextToNumber(input);
    Require(!number || std::isfinite(*number), "TextToNumber gives a value that is not finite");
    std::string compact;
    for (char c : input) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact.push_back(c);
        }
    }
    CheckAgainstStrtod(compact, number);
    CheckRadix(compact, number);
    if (number) {
        CheckRoundTrip(*number);
    }
    // The default rounding mode rounds to nearest, ties to even.
    const double rounded = number ? std::nearbyint(*number) : NAN;
    const bool fits = rounded >= -32768.0 && rounded <= 32767.0;
    const std::optional<std::int16_t> whole = TextToInt16(input);
    Require(fits ? whole == static_cast<std::int16_t>(rounded) : !whole,
            "TextToInt16 is not TextToNumber rounded half to even");
    if (size >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, data, sizeof bits);
        if (std::isfinite(bits)) {
            CheckRoundTrip(bits);
        }
    }
    return 0;
}
