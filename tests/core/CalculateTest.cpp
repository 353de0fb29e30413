#include "analysis/Calculate.h"

#include "TestFrames.h"
#include "report/ReportWriter.h"

#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

const char* const Suffixes[] = {".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt"};

/// Report i of a golden frame.
std::string Golden(const std::string& name, int i) {
    return ReadFile(fs::path(VELMORA_TEST_DATA) / "core" / (name + Suffixes[i]));
}

// The golden files were worked out independently of this code, formula by
// formula in the written order, and checked against the report layout. BLOCK A
// shows a negative zero printed '0', empty cells and an exponent form; TOWER has
// floors between the first and the top, a joint never stored and stiffnesses
// for the members that lead nowhere. Each frame is first calculated with a span
// of 0, as the window allows after a refusal: its storey moments are summed
// before the bay stage stops, so a table not emptied between runs would show.
TEST(Reports, GoldenFramesMatchByteForByteAfterARefusal) {
    for (FrameModel (*frame)() : {BlockA, Tower}) {
        FrameModel model = frame();
        SCOPED_TRACE(model.ProjectName);
        TempDir folder;
        const double span = std::exchange(model.BayLoads[4].SpanL, 0);
        ASSERT_FALSE(Calculate(model, folder.path()).ok());
        model.BayLoads[4].SpanL = span;
        for (int run = 1; run <= 2; ++run) {
            const CalculateOutcome outcome = Calculate(model, folder.path());
            ASSERT_TRUE(outcome.ok()) << *outcome.error;
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(outcome.reports[i], folder.path() / (model.ProjectName + Suffixes[i]));
                EXPECT_EQ(ReadFile(outcome.reports[i]), Golden(model.ProjectName, i))
                    << Suffixes[i] << ", run " << run;
            }
            // The second run replaces the first one's reports and leaves nothing else.
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4);
        }
    }
}

// BLOCK A spoilt one way each; the first word names where the calculation stops.
const struct {
    void (*spoil)(FrameModel&);
    std::vector<const char*> words; // each must appear in the message
} FailureRows[] = {
    {[](auto& m) { m.K[7][3] = m.K[8][3] = m.K[9][3] = 0; }, {"Floor 2", "k3 add up to 0"}},
    {[](auto& m) { m.K[7] = {}; }, {"Joint 7", "add up to 0"}}, // a moment, no stiffness
    {[](auto& m) { m.BayLoads[3] = {}; },
     {"record 3", "floor 0, bay 0", "L = 0", "never filled in"}},
    {[](auto& m) { m.BayLoads[2].FloorNo = 66; },
     {"record 2", "floor 66, bay 2", "200 and 201", "0 to 200"}},
    {[](auto& m) { m.BayLoads[4].BayNo = -7; }, {"record 4", "floor 2, bay -7", "-1"}},
    {[](auto& m) { m.K[5][1] = m.K[5][2] = 1e308; }, {"Q of joint 5", "beyond the range"}},
    {[](auto& m) { m.M1[6] = m.M2[6] = 1e308; }, {"M1 + M2 of joint 6", "beyond the range"}},
    {[](auto& m) { m.BayLoads[1].Udl1 = 1e308; },
     {"RDL 1 of Bay record 1 (floor 1, bay 1)", "beyond the range"}},
    {[](auto& m) { m = FrameModel(); }, {"not been set up"}}};

TEST(CalculateFailure, StopsWithAMessageThatSaysWhereAndWritesNoReport) {
    for (const auto& row : FailureRows) {
        SCOPED_TRACE(row.words[0]);
        TempDir folder;
        FrameModel model = BlockA();
        row.spoil(model);
        const CalculateOutcome outcome = Calculate(model, folder.path());
        ASSERT_FALSE(outcome.ok());
        ExpectMentions(*outcome.error, row.words);
        EXPECT_TRUE(fs::is_empty(folder.path()));
    }
}

const std::set<std::string> ReportNames = {"BLOCK A.txt", "BLOCK A-corrected.txt",
                                           "BLOCK A-midspan.txt", "BLOCK A-columnload.txt"};

class ReportWriter : public testing::Test {
protected:
    /// In the folder, the reports of an earlier run, each holding its own file name.
    void SetUp() override {
        for (const std::string& name : ReportNames) {
            std::ofstream(folder.path() / name, std::ios::binary) << name;
        }
    }

    /// The earlier reports and nothing else: no temporary file, no new folder.
    void ExpectEarlierReportsUntouched() {
        std::set<std::string> entries;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            entries.insert(name);
            EXPECT_TRUE(entry.is_directory() || ReadFile(entry.path()) == name) << name;
        }
        EXPECT_EQ(entries, ReportNames);
    }

    FrameModel model = BlockA();
    TempDir folder;
};

TEST_F(ReportWriter, MissingFolderIsNamedAndNotCreated) {
    const fs::path missing = folder.path() / "velmora";
    const ReportFiles files = WriteReports(model, missing);
    ASSERT_TRUE(files.error.has_value());
    ExpectMentions(*files.error, {missing.c_str()});
    ExpectEarlierReportsUntouched();
}

// Regression: opening the four files one after another emptied the reports of
// an earlier run before a later file failed.
TEST_F(ReportWriter, AFolderInPlaceOfReport3LeavesEarlierReportsAsTheyWere) {
    fs::remove(folder.path() / "BLOCK A-midspan.txt");
    fs::create_directory(folder.path() / "BLOCK A-midspan.txt");
    const ReportFiles files = WriteReports(model, folder.path());
    ASSERT_TRUE(files.error.has_value());
    ExpectMentions(*files.error, {"BLOCK A-midspan.txt"});
    ExpectEarlierReportsUntouched();
}

// /proc refuses every new file, also to root: the message names the first report
// and the system's reason.
TEST_F(ReportWriter, AFolderThatRefusesNewFilesIsNamedWithTheReason) {
    const ReportFiles files = WriteReports(model, "/proc/self");
    ASSERT_TRUE(files.error.has_value());
    ExpectMentions(*files.error, {"'/proc/self/BLOCK A.txt' could not be written", "No such file"});
}

} // namespace
