#include "TestFrames.h"
#include "analysis/Calculate.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct FailureRow {
    const char* name;
    std::function<void(FrameModel&)> spoil; // applied to BLOCK A
    std::vector<const char*> words;         // each must appear in the message
};

const FailureRow FailureRows[] = {
    {"storey without column stiffness",
     [](FrameModel& m) { m.K[7][3] = m.K[8][3] = m.K[9][3] = 0; },
     {"Floor 2", "k3 add up to 0"}},
    {"moment on a joint without stiffness",
     [](FrameModel& m) {
         StoreJoint(m, 8, {0, 0, 0, 0}, 5, 0);
     },
     {"Joint 8", "add up to 0"}},
    {"record never filled in",
     [](FrameModel& m) { m.BayLoads[3] = BayLoad(); },
     {"record 3", "floor 0, bay 0", "L = 0", "never filled in"}},
    {"record beyond joint 200",
     [](FrameModel& m) { m.BayLoads[2].FloorNo = 66; },
     {"record 2", "floor 66, bay 2", "200 and 201", "0 to 200"}},
    {"record below joint 0",
     [](FrameModel& m) { m.BayLoads[4].BayNo = -7; },
     {"record 4", "floor 2, bay -7", "-1"}},
    {"stiffness sum overflows",
     [](FrameModel& m) {
         StoreJoint(m, 5, {1e308, 1e308, 3, 2}, 0, 0);
     },
     {"Q of joint 5", "beyond the range"}},
    {"moment sum overflows",
     [](FrameModel& m) {
         StoreJoint(m, 6, {5, 0, 3, 2}, 1e308, 1e308);
     },
     {"M1 + M2 of joint 6", "beyond the range"}},
    {"bay load overflows",
     [](FrameModel& m) { m.BayLoads[1].Udl1 = 1e308; },
     {"RDL 1 of Bay record 1 (floor 1, bay 1)", "beyond the range"}},
    {"frame never set up", [](FrameModel& m) { m = FrameModel(); }, {"not been set up"}}};

TEST(CalculateFailure, StopsWithAMessageThatSaysWhereAndWritesNoReport) {
    for (const FailureRow& row : FailureRows) {
        SCOPED_TRACE(row.name);
        TempDir folder;
        FrameModel model = BlockA();
        row.spoil(model);
        const CalculateOutcome outcome = Calculate(model, folder.path());
        ASSERT_FALSE(outcome.ok());
        for (const char* word : row.words) {
            EXPECT_NE(outcome.error->find(word), std::string::npos) << *outcome.error;
        }
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    }
}

std::array<std::string, 4> Reports(const CalculateOutcome& outcome) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = ReadFile(outcome.reports[i]);
    }
    return texts;
}

// The window stays open after a failed calculation. The storey moments are
// accumulated before the bay stage fails, so a table not emptied between runs
// would show in the reports of the next one.
TEST(CalculateFailure, CorrectedInputGivesWhatAFirstRunGives) {
    TempDir first, again;
    FrameModel fresh = BlockA();
    const CalculateOutcome expected = Calculate(fresh, first.path());
    ASSERT_TRUE(expected.ok()) << *expected.error;

    FrameModel model = BlockA();
    model.BayLoads[4].SpanL = 0;
    ASSERT_FALSE(Calculate(model, again.path()).ok());
    model.BayLoads[4].SpanL = 6;
    for (int run = 1; run <= 2; ++run) {
        const CalculateOutcome outcome = Calculate(model, again.path());
        ASSERT_TRUE(outcome.ok()) << *outcome.error;
        EXPECT_EQ(Reports(outcome), Reports(expected)) << "run " << run;
    }
}

} // namespace
