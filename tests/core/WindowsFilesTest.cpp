// The file rules of Windows that the reports meet. They run on every system:
// the same names are refused everywhere, and Linux shows the same outcome.
#include "TestFrames.h"
#include "analysis/Calculate.h"
#include "report/ReportFolder.h"
#include "report/ReportWriter.h"

#include <cstdlib>
#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

const char* const Suffixes[] = {".txt", "-corrected.txt", "-midspan.txt", "-columnload.txt"};

/// Every entry of `folder`: its name in UTF-8, and what it holds.
std::map<std::string, std::string> Entries(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        entries[std::string(name.begin(), name.end())] = ReadFile(entry.path());
    }
    return entries;
}

// Refused: at least one report name would open a device, not a file (Windows keeps
// blanks before the dot out of the device name), or the path would be too long.
const struct {
    std::string name;
    const char* refusal; // nothing: accepted, and the reports carry the name unchanged
} NameRows[] = {{"CON", "device"},       {"con ", "device"},    {"Aux.2024", "device"},
                {"nUl", "device"},       {"PRN", "device"},     {"COM1", "device"},
                {"lpt9 .x", "device"},   {"CON-x", nullptr},    {"COM10", nullptr},
                {"LPT0", nullptr},       {"NULL", nullptr},     {" AUX", nullptr},
                {"A.", nullptr},         {"A ", nullptr},       {"B\xC3\xBCro", nullptr},
                {"A<B", "< > :"},        {"A>B", "< > :"},      {"A:B", "< > :"},
                {"A\"B", "< > :"},       {"A|B", "< > :"},      {"A?", "< > :"},
                {"A*", "< > :"},         {std::string(234, 'N'), "at most 233"},
                {std::string(233, 'N'), nullptr}};

// Windows drops a dot or blank that ends a file name; the suffixes keep them inside.
TEST(WindowsNames, RefusedAtSetupOrGiveReportsOfExactlyThatName) {
    for (const auto& row : NameRows) {
        SCOPED_TRACE("'" + row.name + "'");
        const auto refusal = CheckSetup(row.name, "1", "2");
        if (row.refusal != nullptr) {
            ASSERT_TRUE(refusal.has_value());
            ExpectMentions(*refusal, {row.refusal});
            continue;
        }
        ASSERT_EQ(refusal, std::nullopt);
        if (row.name.size() > 100) {
            continue; // too long for the temporary folder's path on Windows
        }
        TempDir folder;
        FrameModel model = OneFloorTwoColumns();
        model.ProjectName = row.name;
        ASSERT_TRUE(Calculate(model, folder.path()).ok());
        std::map<std::string, std::string> entries = Entries(folder.path());
        for (const char* suffix : Suffixes) {
            EXPECT_EQ(entries.erase(row.name + suffix), 1U) << suffix;
        }
        EXPECT_TRUE(entries.empty());
    }
}

TEST(WindowsFiles, ReportsGoToTheFixedFolder) {
#ifdef _WIN32
    EXPECT_EQ(ReportFolder(), fs::path("c:\\velmora\\"));
    // Created as an installer would: the program never creates it.
    const bool made = fs::create_directory("c:\\velmora");
    FrameModel model = BlockA();
    model.ProjectName = "velmora-test-" + std::to_string(std::random_device()());
    const CalculateOutcome outcome = Calculate(model, ReportFolder());
    ASSERT_TRUE(outcome.ok()) << *outcome.error;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(outcome.reports[i].string(), "c:\\velmora\\" + model.ProjectName + Suffixes[i]);
        EXPECT_TRUE(fs::remove(outcome.reports[i]));
    }
    if (made) {
        fs::remove("c:\\velmora");
    }
#else
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        EXPECT_EQ(ReportFolder(), fs::path(home) / "velmora");
    }
#endif
}

/// Earlier reports of BLOCK A in a folder, each holding its own name; one is
/// made read-only or, on Windows, held open without sharing by another program.
void ExpectFailureLeavesTheEarlierSet(bool lock) {
    TempDir folder;
    for (const char* suffix : Suffixes) {
        std::ofstream(folder.path() / ("BLOCK A" + std::string(suffix))) << suffix;
    }
    const std::map<std::string, std::string> earlier = Entries(folder.path());
    const fs::path held = folder.path() / "BLOCK A-corrected.txt";
#ifdef _WIN32
    HANDLE handle = lock ? CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)
                         : INVALID_HANDLE_VALUE;
    ASSERT_EQ(lock, handle != INVALID_HANDLE_VALUE);
#endif
    if (!lock) {
        fs::permissions(held, fs::perms::owner_write | fs::perms::group_write |
                                  fs::perms::others_write, fs::perm_options::remove);
    }
    FrameModel model = BlockA();
    const CalculateOutcome outcome = Calculate(model, folder.path());
#ifdef _WIN32
    CloseHandle(handle);
#endif
    fs::permissions(held, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_FALSE(outcome.ok());
    ExpectMentions(*outcome.error, {"BLOCK A-corrected.txt", lock ? "close it" : "read-only"});
    EXPECT_EQ(Entries(folder.path()), earlier); // no temporary file either
}

TEST(WindowsFiles, AReadOnlyReportLeavesTheEarlierSet) {
    ExpectFailureLeavesTheEarlierSet(false);
}

#ifdef _WIN32
// Renaming the earlier report 1 aside works; report 2 cannot move, so report 1 comes back.
TEST(WindowsFiles, AReportHeldOpenByAnotherProgramLeavesTheEarlierSet) {
    ExpectFailureLeavesTheEarlierSet(true);
}
#endif

} // namespace
