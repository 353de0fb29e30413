#include "analysis/Calculate.h"

#include "model/FrameSetup.h"
#include "report/ReportWriter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

/// 'TOWER': four floors of four columns (joints 5..20), so that floors 2 and 3 are
/// neither the first nor the top. Every stored joint has k1..k4, M1 and M2 non-zero
/// and different, the members that lead nowhere included (k1 at a floor's first
/// joint, k2 at its last, k4 on the top floor); joint 10 is never stored. Twelve
/// bay records in both load systems, out of floor order. Joint 17's small moments
/// give values on both sides of the exponent form.
FrameModel Tower() {
    FrameModel model;
    EXPECT_EQ(SetUpFrame(model, "TOWER", "4", "4"), std::nullopt);
    const struct {
        int joint;
        std::array<double, 4> k;
        double m1, m2;
    } joints[] = {
        {5, {1.3, 4.2, 3.1, 2.6}, -3.5, 37.5},    {6, {4.4, 5.3, 2.7, 2.2}, -41.5, 28.75},
        {7, {5.1, 3.6, 3.4, 1.9}, -27.25, 31.25}, {8, {3.8, 0.7, 2.9, 2.4}, -33.75, 4.5},
        {9, {0.9, 3.9, 2.3, 1.7}, -2.25, 40.25},  {11, {3.3, 4.7, 2.1, 1.6}, -36.5, 43.5},
        {12, {4.6, 1.1, 2.5, 1.8}, -44.75, 2.75}, {13, {0.6, 3.2, 1.9, 1.4}, -1.75, 25.5},
        {14, {3.5, 2.8, 1.5, 1.3}, -29.5, 35.25}, {15, {2.9, 3.7, 1.8, 1.2}, -38.25, 19.75},
        {16, {3.4, 0.8, 1.6, 1.1}, -21.5, 1.25},  {17, {0.4, 2.6, 1.2, 0.3}, -0.0005, 0.00225},
        {18, {2.7, 2.3, 1.4, 0.2}, -18.5, 17.25}, {19, {2.1, 1.9, 1.1, 0.6}, -23.25, 14.75},
        {20, {1.7, 0.5, 1.3, 0.9}, -16.75, 0.5}};
    for (const auto& row : joints) {
        std::copy(row.k.begin(), row.k.end(), model.K[row.joint].begin() + 1);
        model.M1[row.joint] = row.m1;
        model.M2[row.joint] = row.m2;
    }
    const BayLoad bays[] = {
        {0, 1, 1, 12.5, 7.5, 30, 6, 2.5},     {-1, 2, 1, 6.5, 4.5, 20, 7.5, 2.8},
        {0, 3, 1, 9.5, 0, 0, 5.5, 0},         {-1, 3, 2, 3.5, 8.5, 15, 6.2, 4.1},
        {0, 2, 2, 11.25, 3, 18, 7, 1.5},      {-1, 1, 2, 7.75, 2.5, 25, 5.8, 1.9},
        {0, 1, 3, 8.25, 0, 0, 6.4, 0},        {-1, 2, 3, 5.5, 6.25, 12, 6.6, 3.7},
        {0, 3, 3, 10.5, 9, 40, 5.2, 2.6},     {-1, 3, 4, 4.25, 5.75, 9, 4.8, 1.3},
        {-1, 1, 4, 2.75, 3.25, 35, 7.2, 5.4}, {0, 2, 4, 6.75, 1.5, 22, 6.9, 3.3}};
    std::copy(std::begin(bays), std::end(bays), model.BayLoads.begin() + 1);
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
    {[](auto& m) { m.BayLoads[1].Udl1 = 1e308; },
     "RDL 1 of Bay record 1 (floor 1, bay 1) is beyond the range"},
    {[](auto& m) { m = FrameModel(); }, "The frame has not been set up"}};

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
    const std::pair<fs::path, std::string> rows[] = {
        {folder.path / "velmora",
         "The report folder '" + (folder.path / "velmora").string() + "' does not exist."},
        {"/proc/self", "The report '/proc/self/TOWER.txt' could not be written: No such file"},
        {folder.path, "The report '" + (folder.path / "TOWER-midspan.txt").string() +
                          "' could not be written: a folder"}};
    for (const auto& [where, message] : rows) {
        const ReportFiles files = WriteReports(Tower(), where);
        ASSERT_TRUE(files.error.has_value());
        EXPECT_TRUE(files.error->starts_with(message)) << *files.error;
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
