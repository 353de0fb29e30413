// The file rules of Windows that the reports meet. They run on every system:
// the same names are refused everywhere, and Linux shows the same outcome.
#include "TestSupport.h"
#include "analysis/Calculate.h"
#include "report/ReportFolder.h"
#include "report/ReportWriter.h"

#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

/// The refusal of `name` at setup, or the empty text when it is accepted.
std::string Refusal(const std::string& name) {
    return CheckSetup(name, "1", "2").value_or("");
}

/// Every entry of `folder`: its name in UTF-8, and what it holds.
std::map<std::string, std::string> Entries(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        entries[std::string(name.begin(), name.end())] = ReadFile(entry.path());
    }
    return entries;
}

// Each makes at least the report name + ".txt" open a device, not a file; Windows
// leaves the blanks before the dot out of the device name.
const char* const DeviceNames[] = {"CON", "con ", "Aux.2024", "nUl", "PRN", "COM1", "lpt9 .x"};
// Accepted, and the reports carry the name unchanged.
const char* const FileNames[] = {"CON-x", "COM10", "LPT0", "NULL",
                                 " AUX",  "A.B",   "A B",  "B\xC3\xBCro"};

TEST(WindowsNames, RefusedAtSetupOnEverySystem) {
    for (const char* name : DeviceNames) {
        EXPECT_NE(Refusal(name).find("device"), std::string::npos) << name;
    }
    for (const char* name : {"A.", "A ", "BLOCK A..", ". "}) {
        EXPECT_NE(Refusal(name).find("cannot end in a blank or a dot"), std::string::npos) << name;
    }
    for (const char c : std::string_view("<>:\"|?*")) {
        EXPECT_NE(Refusal(std::string("A") + c).find("< > :"), std::string::npos) << c;
    }
    // c:\velmora\ + name + "-columnload.txt" must fit the 259 characters of a Windows path.
    EXPECT_NE(Refusal(std::string(234, 'N')).find("at most 233"), std::string::npos);
    EXPECT_EQ(Refusal(std::string(233, 'N')), "");
}

TEST(WindowsNames, AcceptedNamesGiveReportsOfExactlyThatName) {
    for (const std::string name : FileNames) {
        SCOPED_TRACE("'" + name + "'");
        ASSERT_EQ(Refusal(name), "");
        TempDir folder;
        FrameModel model = Tower();
        model.ProjectName = name;
        ASSERT_TRUE(Calculate(model, folder.path).ok());
        std::map<std::string, std::string> entries = Entries(folder.path);
        for (const std::string& suffix : Suffixes) {
            EXPECT_EQ(entries.erase(name + suffix), 1U) << suffix;
        }
        EXPECT_TRUE(entries.empty());
    }
}

#ifdef _WIN32
TEST(WindowsFiles, ReportsGoToTheFixedFolder) {
    EXPECT_EQ(ReportFolder(), fs::path("c:\\velmora\\"));
    // Created as an installer would: the program never creates it.
    const bool made = fs::create_directory("c:\\velmora");
    FrameModel model = Tower();
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
}
#endif

/// Earlier reports of TOWER in a folder, each holding its own name; one is
/// made read-only or, on Windows, held open without sharing by another program.
void ExpectFailureLeavesTheEarlierSet(bool lock) {
    TempDir folder;
    for (const std::string& suffix : Suffixes) {
        std::ofstream(folder.path / ("TOWER" + suffix)) << suffix;
    }
    const std::map<std::string, std::string> earlier = Entries(folder.path);
    const fs::path held = folder.path / "TOWER-corrected.txt";
#ifdef _WIN32
    HANDLE handle = lock ? CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)
                         : INVALID_HANDLE_VALUE;
    ASSERT_EQ(lock, handle != INVALID_HANDLE_VALUE);
#endif
    if (!lock) {
        fs::permissions(held, fs::perms(0222), fs::perm_options::remove); // -w--w--w-
    }
    FrameModel model = Tower();
    const CalculateOutcome outcome = Calculate(model, folder.path);
#ifdef _WIN32
    CloseHandle(handle);
#endif
    fs::permissions(held, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_FALSE(outcome.ok());
    EXPECT_NE(outcome.error->find("TOWER-corrected.txt"), std::string::npos) << *outcome.error;
    EXPECT_NE(outcome.error->find(lock ? "close it" : "read-only"), std::string::npos);
    EXPECT_EQ(Entries(folder.path), earlier); // no temporary file either
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
