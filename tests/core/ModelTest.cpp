#include "model/FrameSetup.h"
#include "model/NumberText.h"

#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The fuzz target's properties over its seed corpus; a broken one aborts the run.
TEST(NumberText, FuzzCorpusKeepsEveryProperty) {
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_FUZZ_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
}

// Round trips, whole numbers and parsing of arbitrary bytes are the fuzz target's,
// whose corpus the plain test run replays; these are worked examples and limits.
// No value: beyond the range of a double; the largest double's text reads back.
// Last, a mantissa read to its last digit, then its exponent.
const std::pair<const char*, std::optional<double>> ParseRows[] = {
    {" 1 2.5\t0kN", 12.5}, {"1,5", 1},    {"2d3", 2000},          {"&haF", 175},
    {"&hAf", 175},         {"&O178", 15}, {"1E400", {}},          {"1E-400", 0},
    {"1.8E308", {}},       {"2E", 2},     {"1234.56D-3", 1.23456}};

void CheckConversions() {
    for (const auto& [text, value] : ParseRows) {
        EXPECT_EQ(TextToNumber(text), value) << text;
    }
    EXPECT_EQ(TextToNumber("1.797693134862320E+308"), std::numeric_limits<double>::max());
    // Leading zeros carry no magnitude: 400 of them before 1E-400 still read 0.
    EXPECT_EQ(TextToNumber(std::string(400, '0') + "1E-400"), 0.0);
    // Up to 15 significant digits, '0' for both zeros, exponent form below 1E-4 and from
    // 1E+15 on, that of the rounded value when rounding crosses a limit.
    std::string shown;
    for (double value : {0.0001, 2.5e-10, 1e15, 123456789012345.0, -0.0, 999999999999999.9}) {
        shown += NumberToText(value) + ' ';
    }
    EXPECT_EQ(shown, "0.0001 2.5E-10 1E+15 123456789012345 0 1E+15 ");
}

// A program with a window takes its number format from the environment; under a
// German one printf writes '0,5' and strtod stops at the '.' of '12.5'.
TEST(NumberText, ConversionsUnderTheCAndAGermanLocale) {
    CheckConversions();
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE")) {
        GTEST_SKIP() << "No German locale is installed (Debian: package locales, then "
                        "localedef -i de_DE -f UTF-8 de_DE.UTF-8).";
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    CheckConversions();
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(NumberText, PageNumbersHaveSixSignificantDigitsInTheReportsForm) {
    std::string shown;
    for (const double value :
         {1234567.0, 999999.5, 123456.5, 0.000123456789, -2.5e-7, 5e-324, 1.7976931348623157e308}) {
        shown += NumberToText(value, PageDigits) + ' ';
    }
    EXPECT_EQ(shown, "1.23457E+06 1E+06 123456 0.000123457 -2.5E-07 4.94066E-324 1.79769E+308 ");
    EXPECT_EQ(NumberToText(Cell(), PageDigits), "");
}

// M1 is held reversed, and back; a typed 0 or -0 is held as 0, which the window's
// box, showing "0" for both, has always stored, and a held -0 reads as 0 too.
TEST(FrameModel, MOneIsHeldReversedWithOneZero) {
    for (const double typed : {36.0, -2.5, 0.0, -0.0}) {
        const double stored = StoredM1(typed);
        EXPECT_EQ(stored, -typed);
        EXPECT_EQ(TypedM1(stored).value(), typed);
        EXPECT_FALSE(std::signbit(stored) && stored == 0) << typed;
    }
    EXPECT_FALSE(std::signbit(TypedM1(-0.0).value()));
    EXPECT_TRUE(TypedM1(Cell()).isEmpty());
}

// Name, floors and columns as typed, and the part of the message that states the rule.
const std::array<std::string, 4> RefusedRows[] = {
    {"A", "", "3", "Incomplete Data"},
    {"A", "7", "3", "whole number from 1 to 6"},
    {"A", "1E400", "3", "TOTAL NO. OF FLOORS"},
    {"A", "2", "1E400", "NO. OF COLOUMNS"},
    {"A", "2", "1", "no beams and no bays"},
    {"A", "2", "3.5", "whole number from 2 up"},
    {"A", "1", "101", "at most 200"},
    {"A", "6", "18", "at most 100"},                                // 126 joints, 102 bays
    {"A", "2", "1E308", "have 1E+308 columns on each of 3 levels"}, // joints overflow
    {"", "2", "3", "Enter a project name"},                         // reports ".txt"
    {"../../x", "2", "3", "'/'"}, // would write outside the report folder
    {"A\\B", "2", "3", "'\\'"},
    {"A\tB", "2", "3", "control characters"},
    {std::string(234, 'A'), "2", "3", "at most 233"}, // c:\velmora\ + name + suffix fits 259
    // Windows device names open a device, not a file, with any suffix and with the
    // blanks before the dot left out; a name ending in a dot or blank loses it; and
    // the characters Windows keeps for itself. Refused on every system alike.
    {"con ", "1", "2", "cannot be CON"},
    {"Aux.2024", "1", "2", "cannot be CON"},
    {"lpt9 .x", "1", "2", "cannot be CON"},
    {"COM1", "1", "2", "cannot be CON"},
    {"A.", "1", "2", "cannot end in"},
    {"<", "1", "2", "cannot contain any of < > :"},
    {"*", "1", "2", "cannot contain any of < > :"}};

TEST(FrameSetup, RefusesEachBadSetupWithItsOwnMessageAndLeavesTheModelAlone) {
    for (const auto& [name, floors, columns, message] : RefusedRows) {
        SCOPED_TRACE(testing::Message() << name << " / '" << floors << "' / '" << columns << "'");
        FrameModel model;
        const auto refusal = SetUpFrame(model, name, floors, columns);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_NE(refusal->find(message), std::string::npos) << *refusal;
        EXPECT_TRUE(model.ProjectName.empty() && model.FloorCount.isEmpty());
    }
    FrameModel model; // accepted: the panels start at floor 1's first joint and record 1
    ASSERT_EQ(SetUpFrame(model, "A", "2", "3"), std::nullopt);
    EXPECT_TRUE(model.CurrentJoint == 4 && model.CurrentBay == 1);
}

} // namespace
