#include "TestFrames.h"
#include "model/NumberText.h"

#include <clocale>

namespace {

// Round trips and parsing of arbitrary bytes are the fuzz target's; these are
// the worked examples and the limits.
const struct {
    const char* name;
    const char* text;
    std::optional<double> value; // nothing: beyond the range of a double
} ParseRows[] = {{"blanks anywhere, unit after", " 1 2.5\t0kN", 12.5},
                 {"comma is no decimal point", "1,5", 1},
                 {"exponent D", "2d3", 2000},
                 {"hexadecimal, lower case", "&h1F", 31},
                 {"octal", "&O17", 15},
                 {"sign alone", "-", 0},
                 {"beyond a double", "1E400", std::nullopt},
                 {"too small for a double reads 0", "1E-400", 0}};

// Up to 15 significant digits, '0' for both zeros, exponent form below 1E-4 and
// from 1E+15 on, that of the rounded value when rounding crosses a limit.
const struct {
    double value;
    const char* text;
} FormatRows[] = {{1.0 / 3, "0.333333333333333"},
                  {1e-5, "1E-05"},
                  {0.0001, "0.0001"},
                  {1e15, "1E+15"},
                  {123456789012345, "123456789012345"},
                  {-0.0, "0"},
                  {999999999999999.9, "1E+15"}};

const struct {
    const char* text;
    std::optional<std::int16_t> value; // nothing: outside -32768 .. 32767
} Int16Rows[] = {{"2.5", 2}, {"3.5", 4}, {"40000", {}}, {"-32768.5", -32768}};

void CheckConversions() {
    for (const auto& row : ParseRows) {
        EXPECT_EQ(TextToNumber(row.text), row.value) << row.name;
    }
    for (const auto& row : FormatRows) {
        EXPECT_EQ(NumberToText(row.value), row.text);
    }
    EXPECT_EQ(NumberToText(Cell()), "");
    for (const auto& row : Int16Rows) {
        EXPECT_EQ(TextToInt16(row.text), row.value) << row.text;
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

// One frame fully checked; the limits of the counts are refusal rows below.
TEST(FrameSetup, SizesTheModelFromTheCounts) {
    FrameModel model;
    ASSERT_EQ(SetUpFrame(model, "PADDED", "2 ", " 3kN"), std::nullopt);
    EXPECT_EQ(model.ProjectName, "PADDED");
    const std::array<double, 7> counts = {
        model.FloorCount, model.ColumnsPerFloor, model.BaysPerFloor, model.TotalBays,
        model.LastJoint,  model.CurrentJoint,    model.CurrentBay};
    EXPECT_EQ(counts, (std::array<double, 7>{2, 3, 2, 4, 9, 4, 1}));
    // Floors 1..F hold f N + 1 .. (f + 1) N; the base and unused floors stay (0, 0).
    for (int f = 0; f <= MaxFloor; ++f) {
        const bool used = f >= 1 && f <= 2;
        EXPECT_EQ(model.FloorJoints[f].First, used ? f * 3 + 1 : 0) << f;
        EXPECT_EQ(model.FloorJoints[f].Last, used ? (f + 1) * 3 : 0) << f;
    }
}

const struct {
    std::string name;
    const char* floorsText;
    const char* columnsText;
    const char* message; // the part of the message that states the rule
} RefusedRows[] = {{"A", "", "3", "Incomplete Data"},
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
    for (const auto& row : RefusedRows) {
        SCOPED_TRACE(row.name + " / '" + row.floorsText + "' / '" + row.columnsText + "'");
        FrameModel model;
        const auto refusal = SetUpFrame(model, row.name, row.floorsText, row.columnsText);
        ASSERT_TRUE(refusal.has_value());
        ExpectMentions(*refusal, {row.message});
        EXPECT_TRUE(model.ProjectName.empty() && model.FloorCount.isEmpty() &&
                    model.ColumnsPerFloor.isEmpty() && model.TotalBays.isEmpty() &&
                    model.LastJoint.isEmpty() && model.CurrentJoint.isEmpty() &&
                    model.CurrentBay.isEmpty() && model.FloorJoints[1].First == 0);
    }
}

} // namespace
