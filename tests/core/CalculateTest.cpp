#include "analysis/Calculate.h"

#include "model/FrameSetup.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace fs = std::filesystem;

namespace {

/// 'TOWER': four floors of four columns (joints 5..20), so that floors 2 and 3 are
/// neither the first nor the top. Every stored joint has k1..k4, M1 and M2 non-zero
/// and different, the members that lead nowhere included (k1 at a floor's first
/// joint, k2 at its last, k4 on the top floor); joint 10 is never stored. Twelve
/// bay records in both load systems, out of floor order. Joint 17's small moments
/// give values on both sides of the exponent form. Read from the file beside its
/// golden reports, whose lines are "joint j k1 k2 k3 k4 M1 M2" and "bay S b f w1 w2
/// P L X" (S: -1 for the point-load system, 0 for the UDL system).
FrameModel Tower() {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, "TOWER", "4", "4"), std::nullopt);
    std::ifstream in(fs::path(VELMORA_TEST_DATA) / "core" / "TOWER-input.txt");
    int records = 0;
    for (std::string kind; in >> kind;) {
        if (kind == "joint") {
            int j = 0;
            double k[4] = {}, m1 = 0, m2 = 0;
            in >> j >> k[0] >> k[1] >> k[2] >> k[3] >> m1 >> m2;
            model.K[j] = {Cell(), k[0], k[1], k[2], k[3]};
            model.M1[j] = m1;
            model.M2[j] = m2;
        } else {
            BayLoad& bay = model.BayLoads[++records];
            in >> bay.IsPointLoad >> bay.BayNo >> bay.FloorNo >> bay.Udl1 >> bay.Udl2 >>
                bay.PointLoad1 >> bay.SpanL >> bay.LoadX;
        }
    }
    return model;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// A fresh folder under the system's temporary directory, removed with the object.
struct TempDir {
    const fs::path path =
        fs::temp_directory_path() / ("velmora-test-" + std::to_string(std::random_device()()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

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

// TOWER spoilt one way each, and the start of the message that says where it stops.
const std::pair<void (*)(FrameModel&), const char*> FailureRows[] = {
    {[](auto& m) { m.K[9][3] = m.K[11][3] = m.K[12][3] = 0; },
     "Floor 2: the column stiffnesses k3 add up to 0"},
    {[](auto& m) { m.K[7] = {}; },
     "Joint 7: its stiffnesses k1 to k4 add up to 0 while its moments"},
    {[](auto& m) { m.BayLoads[3] = {}; }, "Bay record 3 (floor 0, bay 0) has the span L = 0"},
    {[](auto& m) { m.BayLoads[2].FloorNo = 66; },
     "Bay record 2 (floor 66, bay 2) names the joints 266 and 267"},
    {[](auto& m) { m.BayLoads[4].BayNo = -9; },
     "Bay record 4 (floor 2, bay -9) names the joints -1 and 0"},
    {[](auto& m) { // the top floor's k3 almost all at joint 17, which has a huge moment
         m.K[17] = {Cell(), 1e-4, 1e-4, 0.5, 1e-4};
         m.K[18][3] = m.K[19][3] = m.K[20][3] = 1e-4;
         m.M2[17] = 1.7e308;
     },
     "The storey moment (0) of floor 4 is beyond the range"},
    {[](auto& m) { m = FrameModel(); }, "The frame has not been set up"},
    // Counts that disagree with each other, as no setup leaves them.
    {[](auto& m) { m.FloorJoints[4].Last = 21; }, "The frame has not been set up"},
    {[](auto& m) { m.LastJoint = 24; }, "The frame has not been set up"},
    {[](auto& m) { m.TotalBays = 13; }, "The frame has not been set up"}};

TEST(CalculateFailure, StopsWithAMessageThatSaysWhereAndWritesNoReport) {
    for (const auto& [spoil, message] : FailureRows) {
        TempDir folder;
        FrameModel model = Tower();
        spoil(model);
        const CalculateOutcome outcome = Calculate(model, folder.path);
        ASSERT_FALSE(outcome.ok()) << message;
        EXPECT_TRUE(outcome.error->starts_with(message)) << *outcome.error;
        EXPECT_TRUE(fs::is_empty(folder.path));
    }
}

// In the folder, the reports of an earlier run, each holding its own name, and a
// folder in place of report 3. Writing into a missing folder, into one that refuses
// new files (/proc, even to root), over that folder, or under a name too long to
// rename the finished files to stops with a message naming the cause and leaves the
// earlier reports as they were: no temporary file, no new folder.
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
    const std::tuple<fs::path, std::string, std::string> rows[] = {
        {folder.path / "velmora", "TOWER", "velmora' does not exist."},
        {"/proc/self", "TOWER", "'/proc/self/TOWER.txt' could not be written: No such file"},
        {folder.path, "TOWER", "TOWER-midspan.txt' could not be written: a folder"},
        {folder.path, std::string(300, 'L'), "L.txt' could not be replaced: File name too long"}};
    for (const auto& [where, name, message] : rows) {
        FrameModel model = Tower();
        model.ProjectName = name;
        const CalculateOutcome outcome = Calculate(model, where);
        ASSERT_FALSE(outcome.ok());
        EXPECT_NE(outcome.error->find(message), std::string::npos) << *outcome.error;
        std::set<std::string> entries;
        for (const auto& entry : fs::directory_iterator(folder.path)) {
            const std::string entryName = entry.path().filename().string();
            entries.insert(entryName);
            EXPECT_TRUE(entry.is_directory() || ReadFile(entry.path()) == entryName) << entryName;
        }
        EXPECT_EQ(entries, names);
    }
}

} // namespace
