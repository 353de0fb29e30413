#include "report/ReportText.h"

#include "TestFrames.h"
#include "analysis/Calculate.h"
#include "report/ReportWriter.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const Suffixes[] = {".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt"};

// The golden files were worked out independently of this code, formula by
// formula in the written order, and checked against the report layout.
TEST(ReportText, BlockAMatchesTheGoldenReportsByteForByte) {
    FrameModel model = BlockA();
    ASSERT_EQ(RunAnalysis(model), std::nullopt);
    // What the golden files must show: a negative zero printed '0', empty cells
    // and an exponent form (checked here so that a changed frame is noticed).
    ASSERT_TRUE(model.Y[4][1] == 0 && std::signbit(model.Y[4][1].value()));
    ASSERT_TRUE(model.M1[8].isEmpty() && model.ST[4][1].isEmpty() && model.ST[9][4].isEmpty());
    ASSERT_LT(std::abs(model.MRot0[7].value()), 1e-4);

    TempDir folder;
    const ReportFiles files = WriteReports(model, folder.path());
    ASSERT_EQ(files.error, std::nullopt);
    for (int i = 0; i < 4; ++i) {
        const std::string name = std::string("BLOCK A") + Suffixes[i];
        EXPECT_EQ(files.paths[i], folder.path() / name);
        EXPECT_EQ(ReadFile(files.paths[i]), ReadFile(fs::path(VELMORA_TEST_DATA) / "core" / name))
            << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 4);
}

TEST(ReportText, LineCountsAndCrLfEndings) {
    FrameModel model = SetUpTestFrame("1", "3");
    StoreJoint(model, 4, {0, 1, 1, 0}, 0, 1);
    StoreJoint(model, 5, {1, 1, 1, 0}, -1, 1);
    StoreJoint(model, 6, {1, 0, 1, 0}, -1, 0);
    model.BayLoads[1] = Udl(1, 1, 1, 4);
    model.BayLoads[2] = Udl(1, 2, 1, 4);
    ASSERT_EQ(RunAnalysis(model), std::nullopt);
    const std::string texts[] = {MainReportText(model), CorrectedReportText(model),
                                 MidspanReportText(model), ColumnLoadReportText(model)};
    const long lines[] = {2 + 1 + 3 * 3, 2 + 3 * 2, 2, 2};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Suffixes[i]);
        EXPECT_EQ(std::count(texts[i].begin(), texts[i].end(), '\n'), lines[i]);
        EXPECT_EQ(std::count(texts[i].begin(), texts[i].end(), '\r'), lines[i]);
        EXPECT_TRUE(texts[i].ends_with("\r\n") && !texts[i].ends_with("\r\n\r\n"));
    }
}

TEST(ReportText, EmptyProjectNameGivesBareSuffixesAndEmptyTitles) {
    FrameModel model = OneFloorTwoColumns();
    model.ProjectName.clear();
    const auto paths = ReportPaths(model, "/reports");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(paths[i], fs::path("/reports") / Suffixes[i]);
    }
    ASSERT_EQ(RunAnalysis(model), std::nullopt);
    EXPECT_TRUE(MainReportText(model).starts_with("\r\n\r\nFloor M1"));
    EXPECT_TRUE(CorrectedReportText(model).starts_with("\r\n\r\nJOINT NO. : - 3\r\n"));
}

} // namespace
