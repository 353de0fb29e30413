// Thousands of generated frames through the whole calculation. Each frame
// comes from its own seed; a failure prints that seed, and
//   VELMORA_RANDOM_SEED=<seed> VELMORA_RANDOM_FRAMES=1 velmora_random_tests
// replays exactly that frame.
#include "FrameGenerator.h"
#include "FrameProperties.h"
#include "analysis/Calculate.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t DefaultSeed = 20260601;
constexpr int DefaultFrames = 8000;
constexpr int MostReportedFailures = 10;

std::uint64_t FirstSeed() {
    const char* text = std::getenv("VELMORA_RANDOM_SEED");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : DefaultSeed;
}

int FrameCount() {
    const char* text = std::getenv("VELMORA_RANDOM_FRAMES");
    return text != nullptr ? std::atoi(text) : DefaultFrames;
}

bool Replaying() {
    return std::getenv("VELMORA_RANDOM_SEED") != nullptr;
}

class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() /
                ("velmora-random-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string Describe(const GeneratedFrame& frame) {
    return "frame seed " + std::to_string(frame.seed) + " (floors '" + frame.floorsText +
           "', columns '" + frame.columnsText + "')";
}

std::string Replay(std::uint64_t seed) {
    return "\n  replay: VELMORA_RANDOM_SEED=" + std::to_string(seed) +
           " VELMORA_RANDOM_FRAMES=1 velmora_random_tests";
}

TEST(RandomFrames, EveryFrameGivesFourSoundReportsOrOneMessage) {
    const ScratchFolder folder;
    const std::uint64_t first = FirstSeed();
    const int frames = FrameCount();
    int succeeded = 0;
    int stopped = 0;
    int largestSucceeded = 0;
    int failures = 0;
    for (int i = 0; i < frames && failures < MostReportedFailures; ++i) {
        const GeneratedFrame frame = GenerateFrame(first + static_cast<std::uint64_t>(i));
        const CalculationCheck check = CheckCalculation(*frame.model, folder.path());
        if (check.succeeded) {
            ++succeeded;
            largestSucceeded += frame.model->TotalBays.value() >= 96 ? 1 : 0;
            EXPECT_TRUE(frame.setUp) << Describe(frame) << ": a refused setup calculated";
        } else {
            ++stopped;
        }
        if (!check.problems.empty()) {
            ++failures;
            std::string list;
            for (const std::string& problem : check.problems) {
                list += "\n  - " + problem;
            }
            ADD_FAILURE() << Describe(frame) << (check.succeeded ? " succeeded" : " stopped: ")
                          << check.error << list << Replay(frame.seed);
        }
    }
    if (!Replaying()) {
        // The generator must reach both outcomes and the largest frames, or the
        // properties above were checked on too little.
        EXPECT_GT(succeeded, frames / 3) << "too few frames could be calculated";
        EXPECT_GT(stopped, frames / 10) << "too few frames were refused";
        EXPECT_GT(largestSucceeded, frames / 50) << "too few of the largest frames calculated";
    }
}

TEST(RandomFrames, ACalculationAfterAnotherGivesWhatAFirstOneWould) {
    const std::uint64_t first = FirstSeed();
    const int frames = Replaying() ? FrameCount() : FrameCount() / 8;
    int failures = 0;
    for (int i = 0; i < frames && failures < MostReportedFailures; ++i) {
        const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
        const GeneratedFrame frame = GenerateFrame(seed);
        if (!frame.setUp) {
            continue;
        }
        FrameModel& reused = *frame.model;
        auto fresh = std::make_unique<FrameModel>(reused);
        (void)RunAnalysis(reused);

        // The same new inputs into the model that has calculated and into a copy
        // that never did.
        Random inputsForReused(~seed);
        Random inputsForFresh(~seed);
        FillInputs(reused, inputsForReused);
        FillInputs(*fresh, inputsForFresh);
        const std::optional<std::string> again = RunAnalysis(reused);
        const std::optional<std::string> once = RunAnalysis(*fresh);
        const bool same = again == once && (again || ReportTexts(reused) == ReportTexts(*fresh));
        if (!same) {
            ++failures;
            ADD_FAILURE() << Describe(frame)
                          << ": a second calculation differs from a first one on the same input ("
                          << again.value_or("four reports") << " / "
                          << once.value_or("four reports") << ")" << Replay(seed);
        }
    }
}

} // namespace
