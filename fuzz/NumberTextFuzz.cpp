// Fuzzes the conversions between typed text and numbers with arbitrary bytes.
//
// For every input:
//  - TextToNumber never crashes, never reads outside its text and never gives
//    an infinity or NaN;
//  - a text made only of decimal-number characters reads as the C library
//    reads it (strtod in the "C" locale, 'D' taken as 'E'); one beyond the range
//    of a double has no value or reads as the largest double;
//  - every finite result survives NumberToText -> TextToNumber -> NumberToText
//    unchanged, and so does the double whose bit pattern the first 8 bytes are;
//  - TextToInt16 is TextToNumber rounded half to even when that lies in
//    -32768 .. 32767, and no value otherwise.
// A broken property prints its name and aborts; libFuzzer saves the input.
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

void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "\nBROKEN: %s\n", property);
        std::abort();
    }
}

bool SameDouble(std::optional<double> a, double b) {
    return a && *a == b && std::signbit(*a) == std::signbit(b);
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
    std::string decimal; // the input without blanks, 'D' as 'E', if it is a decimal text
    for (char c : input) {
        if (std::strchr("0123456789+-.eEdD \t\n", c) == nullptr || c == '\0') {
            decimal = "not decimal";
            break;
        }
        if (c != ' ' && c != '\t' && c != '\n') {
            decimal.push_back(c == 'd' || c == 'D' ? 'E' : c);
        }
    }
    if (decimal != "not decimal") {
        const double expected = std::strtod(decimal.c_str(), nullptr);
        const double largest = std::copysign(std::numeric_limits<double>::max(), expected);
        Require(std::isinf(expected) ? !number || SameDouble(number, largest)
                                     : SameDouble(number, expected),
                "TextToNumber disagrees with strtod");
    }
    if (number) {
        CheckRoundTrip(*number);
    }
    // The default rounding mode rounds to nearest, ties to even.
    const double rounded = number ? std::nearbyint(*number) : NAN;
    const std::optional<std::int16_t> whole = TextToInt16(input);
    Require(rounded >= -32768.0 && rounded <= 32767.0 ? whole == static_cast<std::int16_t>(rounded)
                                                      : !whole,
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
