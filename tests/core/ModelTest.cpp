#include "TestFrames.h"
#include "model/NumberText.h"

#include <clocale>

namespace {

// Round trips and parsing of arbitrary bytes are the fuzz target's; these are
// the worked examples and the limits. No value: beyond the range of a double.
const std::pair<const char*, std::optional<double>> ParseRows[] = {
    {" 1 2.5\t0kN", 12.5}, {"1,5", 1}, {"2d3", 2000}, {"&h1F", 31},
    {"&O17", 15},          {"-", 0},   {"1E400", {}}, {"1E-400", 0}};

// Up to 15 significant digits, '0' for both zeros, exponent form below 1E-4 and
// from 1E+15 on, that of the rounded value when rounding crosses a limit; the
// golden reports hold more.
const std::pair<double, const char*> FormatRows[] = {{0.0001, "0.0001"},
                                                     {1e15, "1E+15"},
                                                     {123456789012345, "123456789012345"},
                                                     {-0.0, "0"},
                                                     {999999999999999.9, "1E+15"}};

// Ties to the even neighbour; no value outside -32768 .. 32767.
const std::pair<const char*, std::optional<std::int16_t>> Int16Rows[] = {
    {"2.5", 2}, {"3.5", 4}, {"40000", {}}, {"-32768.5", -32768}};

void CheckConversions() {
    for (const auto& [text, value] : ParseRows) {
        EXPECT_EQ(TextToNumber(text), value) << text;
    }
    for (const auto& [value, text] : FormatRows) {
        EXPECT_EQ(NumberToText(value), text);
    }
    EXPECT_EQ(NumberToText(Cell()), "");
    for (const auto& [text, value] : Int16Rows) {
        EXPECT_EQ(TextToInt16(text), value) << text;
    }
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

// The counts and cursors of one frame; its floors are the golden frames', the limits
// of the counts are refusal rows below.
TEST(FrameSetup, SizesTheModelFromTheCounts) {
    FrameModel model;
    ASSERT_EQ(SetUpFrame(model, "PADDED", "2 ", " 3kN"), std::nullopt);
    EXPECT_EQ(model.ProjectName, "PADDED");
    const std::array<double, 7> counts = {
        model.FloorCount, model.ColumnsPerFloor, model.BaysPerFloor, model.TotalBays,
        model.LastJoint,  model.CurrentJoint,    model.CurrentBay};
    EXPECT_EQ(counts, (std::array<double, 7>{2, 3, 2, 4, 9, 4, 1}));
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
    {"A", "6", "18", "at most 100"}, // 126 joints, 102 bays
    {"../../x", "2", "3", "'/'"},    // would write outside the report folder
    {"A\\B", "2", "3", "'\\'"},
    {"A\tB", "2", "3", "control characters"},
    {std::string(241, 'A'), "2", "3", "too long"}};

TEST(FrameSetup, RefusesEachBadSetupWithItsOwnMessageAndLeavesTheModelAlone) {
    for (const auto& [name, floors, columns, message] : RefusedRows) {
        SCOPED_TRACE(name + " / '" + floors + "' / '" + columns + "'");
        FrameModel model;
        const auto refusal = SetUpFrame(model, name, floors, columns);
        ASSERT_TRUE(refusal.has_value());
        ExpectMentions(*refusal, {message.c_str()});
        EXPECT_TRUE(model.ProjectName.empty() && model.FloorCount.isEmpty());
    }
}

} // namespace
