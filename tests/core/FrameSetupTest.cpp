#include "model/FrameSetup.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct AcceptedRow {
    const char* name;
    const char* floorsText;
    const char* columnsText;
    int floors, columns, totalBays, lastJoint;
};

const AcceptedRow AcceptedRows[] = {
    {"BLOCK A", "2", "3", 2, 3, 4, 9},      {"", "1", "2", 1, 2, 1, 4},
    {"PADDED", "2 ", " 3kN", 2, 3, 4, 9},   {"WIDEST", "1", "100", 1, 100, 99, 200},
    {"TALLEST", "6", "17", 6, 17, 96, 119}, {"THREE BY FOUR", "3", "4", 3, 4, 9, 16}};

TEST(FrameSetup, SizesTheModelFromTheCounts) {
    for (const AcceptedRow& row : AcceptedRows) {
        SCOPED_TRACE(row.name);
        FrameModel model;
        ASSERT_EQ(SetUpFrame(model, row.name, row.floorsText, row.columnsText), std::nullopt);
        EXPECT_EQ(model.ProjectName, row.name);
        EXPECT_EQ(model.FloorCount.value(), row.floors);
        EXPECT_EQ(model.ColumnsPerFloor.value(), row.columns);
        EXPECT_EQ(model.BaysPerFloor.value(), row.columns - 1);
        EXPECT_EQ(model.TotalBays.value(), row.totalBays);
        EXPECT_EQ(model.LastJoint.value(), row.lastJoint);
        EXPECT_EQ(model.CurrentJoint.value(), row.columns + 1);
        EXPECT_EQ(model.CurrentBay.value(), 1);
        // Floors 1..F hold f N + 1 .. (f + 1) N; the base and unused floors stay (0, 0).
        for (int f = 0; f <= MaxFloor; ++f) {
            const bool used = f >= 1 && f <= row.floors;
            EXPECT_EQ(model.FloorJoints[f].First, used ? f * row.columns + 1 : 0) << f;
            EXPECT_EQ(model.FloorJoints[f].Last, used ? (f + 1) * row.columns : 0) << f;
        }
    }
}

struct RefusedRow {
    std::string name;
    const char* floorsText;
    const char* columnsText;
    const char* message; // the part of the message that states the rule
};

const RefusedRow RefusedRows[] = {
    {"A", "", "3", "Incomplete Data"},
    {"A", "2", "", "Incomplete Data"},
    {"A", "  ", "3", "whole number from 1 to 6"}, // blanks are not empty: they read 0
    {"A", "0", "3", "whole number from 1 to 6"},
    {"A", "7", "3", "whole number from 1 to 6"},
    {"A", "2.5", "3", "whole number from 1 to 6"},
    {"A", "abc", "3", "whole number from 1 to 6"},
    {"A", "1E400", "3", "TOTAL NO. OF FLOORS"},
    {"A", "2", "1E400", "NO. OF COLOUMNS"},
    {"A", "2", "1", "no beams and no bays"},
    {"A", "2", "0", "whole number from 2 up"},
    {"A", "2", "3.5", "whole number from 2 up"},
    {"A", "1", "101", "at most 200"},
    {"A", "6", "18", "at most 100"}, // 126 joints, 102 bays
    {"../../x", "2", "3", "'/'"},    // would write outside the report folder
    {"A\\B", "2", "3", "'\\'"},
    {"A\tB", "2", "3", "control characters"},
    {std::string(241, 'A'), "2", "3", "too long"}};

TEST(FrameSetup, RefusesEachBadSetupWithItsOwnMessageAndLeavesTheModelAlone) {
    for (const RefusedRow& row : RefusedRows) {
        SCOPED_TRACE(row.name + " / '" + row.floorsText + "' / '" + row.columnsText + "'");
        FrameModel model;
        const auto refusal = SetUpFrame(model, row.name, row.floorsText, row.columnsText);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_NE(refusal->find(row.message), std::string::npos) << *refusal;
        EXPECT_TRUE(model.ProjectName.empty() && model.FloorCount.isEmpty() &&
                    model.ColumnsPerFloor.isEmpty() && model.TotalBays.isEmpty() &&
                    model.LastJoint.isEmpty() && model.CurrentJoint.isEmpty() &&
                    model.CurrentBay.isEmpty() && model.FloorJoints[1].First == 0);
    }
}

} // namespace
