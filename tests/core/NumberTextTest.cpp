#include "model/NumberText.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

struct ParseRow {
    const char* name;
    const char* text;
    std::optional<double> value; // nothing: beyond the range of a double
};

const ParseRow ParseRows[] = {
    {"blanks anywhere", "1 500", 1500},
    {"padding, tab, line feed", " \t 7 \n", 7},
    {"unit after the number", "12.50kN", 12.5},
    {"comma is no decimal point", "1,5", 1},
    {"sign and bare fraction", "-.5", -0.5},
    {"exponent E", "2E3", 2000},
    {"exponent D", "2d3", 2000},
    {"hexadecimal", "&H1F", 31},
    {"octal stops at 8", "&o178", 15},
    {"sign alone", "-", 0},
    {"letters", "abc", 0},
    {"empty", "", 0},
    {"beyond a double", "1E400", std::nullopt},
    {"beyond a double, negative", "-1E400", std::nullopt},
    {"beyond a double after the point", "0.05E310", std::nullopt},
    {"too small reads zero", "1E-400", 0},
    {"largest double as shown", "1.79769313486232E+308", std::numeric_limits<double>::max()},
};

struct FormatRow {
    double value;
    const char* text;
};

// The last two round across a limit: the exponent is that of the rounded value.
const FormatRow FormatRows[] = {{1.0 / 3, "0.333333333333333"},
                                {-0.5, "-0.5"},
                                {1e20, "1E+20"},
                                {1e-5, "1E-05"},
                                {2.5e-5, "2.5E-05"},
                                {0.0001, "0.0001"},
                                {1e15, "1E+15"},
                                {123456789012345, "123456789012345"},
                                {100, "100"},
                                {-1.5e-300, "-1.5E-300"},
                                {-0.0, "0"},
                                {999999999999999.9, "1E+15"},
                                {0.00009999999999999999, "0.0001"}};

struct Int16Row {
    const char* text;
    std::optional<std::int16_t> value; // nothing: outside -32768 .. 32767
};

const Int16Row Int16Rows[] = {{"2.5", 2},         {"3.5", 4},           {"-2.5", -2},
                              {"2.51", 3},        {"40000", {}},        {"32767.5", {}},
                              {"-32768", -32768}, {"-32768.5", -32768}, {"1E400", {}}};

void CheckConversions() {
    for (const ParseRow& row : ParseRows) {
        EXPECT_EQ(TextToNumber(row.text), row.value) << row.name;
    }
    for (const FormatRow& row : FormatRows) {
        EXPECT_EQ(NumberToText(row.value), row.text);
    }
    EXPECT_EQ(NumberToText(Cell()), "");
    for (const Int16Row& row : Int16Rows) {
        EXPECT_EQ(TextToInt16(row.text), row.value) << row.text;
    }
}

TEST(NumberText, Conversions) {
    CheckConversions();
}

// A program with a window takes its number format from the environment; under a
// German one printf writes '0,5' and strtod stops at the '.' of '12.5'.
TEST(NumberText, ConversionsUnderAGermanLocale) {
    struct RestoreLocale {
        std::string previous = std::setlocale(LC_ALL, nullptr);
        ~RestoreLocale() { std::setlocale(LC_ALL, previous.c_str()); }
    } restore;
    bool german = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_AT.UTF-8", "de_CH.UTF-8"}) {
        if (!german && std::setlocale(LC_ALL, name) != nullptr) {
            german = true;
        }
    }
    if (!german) {
        GTEST_SKIP() << "No German locale is installed (Debian: package locales, then "
                        "localedef -i de_DE -f UTF-8 de_DE.UTF-8).";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    CheckConversions();
}

// A box shows NumberToText and reads it back with TextToNumber: the value keeps
// its 15 significant digits, and a second pass changes nothing.
TEST(NumberText, FifteenDigitRoundTrip) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 2000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = NumberToText(value);
        const std::optional<double> back = TextToNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back, value, std::abs(value) * 6e-15) << text;
        EXPECT_EQ(NumberToText(*back), text);
    }
}

} // namespace
