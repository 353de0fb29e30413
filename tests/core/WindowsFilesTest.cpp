// The file rules of Windows that the reports meet. They run on every system:
// the same names are refused everywhere, and Linux shows the same outcome.
#include "TestSupport.h"
#include "calculate/Calculate.h"
#include "report/ReportWriter.h"

#include <map>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(WindowsNames, AcceptedNamesGiveReportsOfExactlyThatName) {
    // Names that only look like a device name or a dropped end.
    for (const std::string& name :
         std::initializer_list<std::string>{"CON-x", "COM10", "LPT0", "COMA", "NULL", " AUX", "A.B",
                                            "A B", "B\xC3\xBCro", std::string(233, 'N')}) {
        SCOPED_TRACE("'" + name + "'");
        ASSERT_EQ(CheckSetup(name, "1", "2"), std::nullopt);
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
// Earlier reports of TOWER, report 2 held open without sharing by another program:
// renaming report 1 aside works, report 2 cannot move, so report 1 comes back.
TEST(WindowsFiles, AReportHeldOpenByAnotherProgramLeavesTheEarlierSet) {
    TempDir folder;
    for (const std::string& suffix : Suffixes) {
        std::ofstream(folder.path / ("TOWER" + suffix)) << suffix;
    }
    const std::map<std::string, std::string> earlier = Entries(folder.path);
    HANDLE handle = CreateFileW((folder.path / "TOWER-corrected.txt").c_str(), GENERIC_READ, 0,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    FrameModel model = Tower();
    const CalculateOutcome outcome = Calculate(model, folder.path);
    CloseHandle(handle);
    ASSERT_FALSE(outcome.ok());
    EXPECT_NE(outcome.error->find("TOWER-corrected.txt"), std::string::npos) << *outcome.error;
    EXPECT_NE(outcome.error->find("close it"), std::string::npos);
    EXPECT_EQ(Entries(folder.path), earlier); // no temporary file either
}
#endif

} // namespace
