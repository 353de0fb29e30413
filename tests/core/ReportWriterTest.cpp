#include "report/ReportWriter.h"

#include "TestFrames.h"
#include "analysis/Calculate.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::set<std::string> ReportNames = {"BLOCK A.txt", "BLOCK A-corrected.txt",
                                           "BLOCK A-midspan.txt", "BLOCK A-columnload.txt"};

class ReportWriter : public testing::Test {
protected:
    /// An analysed frame and, in the folder, the reports of an earlier run,
    /// each holding its own file name.
    void SetUp() override {
        ASSERT_EQ(RunAnalysis(model), std::nullopt);
        for (const std::string& name : ReportNames) {
            std::ofstream(folder.path() / name, std::ios::binary) << name;
        }
    }

    void ExpectEarlierReportsUntouched() {
        std::set<std::string> entries; // the reports and nothing else: no temporary file
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            entries.insert(entry.path().filename().string());
        }
        EXPECT_EQ(entries, ReportNames);
        for (const std::string& name : ReportNames) {
            if (fs::is_regular_file(folder.path() / name)) {
                EXPECT_EQ(ReadFile(folder.path() / name), name);
            }
        }
    }

    FrameModel model = BlockA();
    TempDir folder;
};

TEST_F(ReportWriter, MissingFolderIsNamedAndNotCreated) {
    const fs::path missing = folder.path() / "velmora";
    const ReportFiles files = WriteReports(model, missing);
    ASSERT_TRUE(files.error.has_value());
    EXPECT_NE(files.error->find(missing.string()), std::string::npos) << *files.error;
    EXPECT_FALSE(fs::exists(missing));
    ExpectEarlierReportsUntouched();
}

// Regression: opening the four files one after another emptied the reports of
// an earlier run before a later file failed.
TEST_F(ReportWriter, AFolderInPlaceOfReport3LeavesEarlierReportsAsTheyWere) {
    fs::remove(folder.path() / "BLOCK A-midspan.txt");
    fs::create_directory(folder.path() / "BLOCK A-midspan.txt");
    const ReportFiles files = WriteReports(model, folder.path());
    ASSERT_TRUE(files.error.has_value());
    EXPECT_NE(files.error->find("BLOCK A-midspan.txt"), std::string::npos) << *files.error;
    ExpectEarlierReportsUntouched();
}

/// WriteReports in a child process without root's rights: root writes into a
/// read-only folder regardless. Returns the child's error message ("" on
/// success), or nothing when the rights could not be given up.
std::optional<std::string> WriteReportsWithoutRoot(const FrameModel& model,
                                                   const fs::path& folder) {
    int channel[2];
    if (pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(2);
        }
        const std::string error = WriteReports(model, folder).error.value_or("");
        _exit(write(channel[1], error.data(), error.size()) < 0 ? 3 : 0);
    }
    close(channel[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, static_cast<std::size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return message;
}

TEST_F(ReportWriter, AReadOnlyFolderLeavesEarlierReportsAsTheyWere) {
    using fs::perms;
    fs::permissions(folder.path(), perms::owner_read | perms::owner_exec | perms::group_read |
                                       perms::group_exec | perms::others_read | perms::others_exec);
    const std::optional<std::string> error = WriteReportsWithoutRoot(model, folder.path());
    if (!error) {
        GTEST_SKIP() << "Could not give up root rights, and root writes into a read-only folder "
                        "regardless: the read-only folder is not checked here.";
    }
    EXPECT_NE(error->find("BLOCK A.txt"), std::string::npos) << *error;
    EXPECT_NE(error->find("Permission denied"), std::string::npos) << *error;
    ExpectEarlierReportsUntouched();
}

} // namespace
