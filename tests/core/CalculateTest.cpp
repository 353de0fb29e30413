#include "analysis/Calculate.h"

#include "TestFrames.h"
#include "report/ReportWriter.h"

#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

const std::string Suffixes[] = {".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt"};

// The golden reports of TOWER were worked out independently of this code, formula
// by formula in the written order, and checked against the report layout. The frame
// is first calculated with a span of 0, as the window allows after a refusal: its
// storey moments are summed before the bay stage stops, so a table not emptied
// between runs would show.
TEST(Reports, GoldenFrameMatchesByteForByteAfterARefusal) {
    FrameModel model = Tower();
    TempDir folder;
    const double span = std::exchange(model.BayLoads[4].SpanL, 0);
    ASSERT_FALSE(Calculate(model, folder.path).ok());
    model.BayLoads[4].SpanL = span;
    for (int run = 1; run <= 2; ++run) {
        const CalculateOutcome outcome = Calculate(model, folder.path);
        ASSERT_TRUE(outcome.ok()) << *outcome.error;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(outcome.reports[i], folder.path / ("TOWER" + Suffixes[i]));
            EXPECT_EQ(ReadFile(outcome.reports[i]),
                      ReadFile(fs::path(VELMORA_TEST_DATA) / "core" / ("TOWER" + Suffixes[i])))
                << Suffixes[i] << ", run " << run;
        }
        // The second run replaces the first one's reports and leaves nothing else.
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 4);
    }
}

// TOWER spoilt one way each; the first word names where the calculation stops.
const struct {
    void (*spoil)(FrameModel&);
    std::vector<const char*> words; // each must appear in the message
} FailureRows[] = {
    {[](auto& m) { m.K[9][3] = m.K[11][3] = m.K[12][3] = 0; }, {"Floor 2", "k3 add up to 0"}},
    {[](auto& m) { m.K[7] = {}; }, {"Joint 7", "add up to 0"}}, // moments, no stiffness
    {[](auto& m) { m.BayLoads[3] = {}; },
     {"record 3", "floor 0, bay 0", "L = 0", "never filled in"}},
    {[](auto& m) { m.BayLoads[2].FloorNo = 66; },
     {"record 2", "floor 66, bay 2", "266 and 267", "0 to 200"}},
    {[](auto& m) { m.BayLoads[4].BayNo = -9; }, {"record 4", "floor 2, bay -9", "-1"}},
    {[](auto& m) { m.BayLoads[1].Udl1 = 1e308; },
     {"RDL 1 of Bay record 1 (floor 1, bay 1)", "beyond the range"}},
    {[](auto& m) { m = FrameModel(); }, {"not been set up"}}};

TEST(CalculateFailure, StopsWithAMessageThatSaysWhereAndWritesNoReport) {
    for (const auto& row : FailureRows) {
        SCOPED_TRACE(row.words[0]);
        TempDir folder;
        FrameModel model = Tower();
        row.spoil(model);
        const CalculateOutcome outcome = Calculate(model, folder.path);
        ASSERT_FALSE(outcome.ok());
        ExpectMentions(*outcome.error, row.words);
        EXPECT_TRUE(fs::is_empty(folder.path));
    }
}

// In the folder, the reports of an earlier run, each holding its own name, and a
// folder in place of report 3. Writing into a missing folder, into one that refuses
// new files (/proc, even to root) or over that folder stops with a message naming the
// cause and leaves the earlier reports as they were: no temporary file, no new folder.
// Regression: opening the four files one after another emptied the reports of an
// earlier run before a later file failed.
TEST(ReportWriter, AFailedWriteNamesTheCauseAndLeavesEarlierReportsAsTheyWere) {
    const std::set<std::string> names = {"TOWER.txt", "TOWER-corrected.txt", "TOWER-midspan.txt",
                                         "TOWER-columnload.txt"};
    TempDir folder;
    for (const std::string& name : names) {
        std::ofstream(folder.path / name, std::ios::binary) << name;
    }
    fs::remove(folder.path / "TOWER-midspan.txt");
    fs::create_directory(folder.path / "TOWER-midspan.txt");
    const std::pair<fs::path, std::vector<const char*>> rows[] = {
        {folder.path / "velmora", {"/velmora' does not exist"}},
        {"/proc/self", {"'/proc/self/TOWER.txt' could not be written: No such file"}},
        {folder.path, {"TOWER-midspan.txt' could not be written: a folder"}}};
    for (const auto& [where, words] : rows) {
        const ReportFiles files = WriteReports(Tower(), where);
        ASSERT_TRUE(files.error.has_value());
        ExpectMentions(*files.error, words);
        std::set<std::string> entries;
        for (const auto& entry : fs::directory_iterator(folder.path)) {
            const std::string name = entry.path().filename().string();
            entries.insert(name);
            EXPECT_TRUE(entry.is_directory() || ReadFile(entry.path()) == name) << name;
        }
        EXPECT_EQ(entries, names);
    }
}

} // namespace
