// Thousands of generated frames through the whole calculation. Each frame
// comes from its own seed; a failure prints that seed, and
//   VELMORA_RANDOM_SEED=<seed> VELMORA_RANDOM_FRAMES=1 velmora_random_tests
// replays exactly that frame.
#include "analysis/Calculate.h"
#include "model/FrameSetup.h"
#include "report/ReportText.h"
#include "report/ReportWriter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

/// Seeded choices, the same on every machine: the engine is fixed by the
/// standard, the library's distributions are not. `wild` and `gaps` say how far
/// a frame strays from an ordinary, complete input.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t bits() { return engine_(); }
    int between(int low, int high) {
        return low + static_cast<int>(bits() % (static_cast<std::uint64_t>(high - low) + 1));
    }
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(bits() >> 11) * 0x1p-53;
    }
    bool chance(double probability) { return uniform(0, 1) < probability; }
    double withSign(double magnitude) { return chance(0.5) ? -magnitude : magnitude; }

    /// An ordinary value with two decimals in [low, high], or a wild one as
    /// often as `wild` says.
    double value(double low, double high) {
        return chance(wild) ? wildValue() : std::round(uniform(low, high) * 100) / 100;
    }

    /// A finite value from the corners of the number range: zeros of both
    /// signs, small whole numbers, tiny and subnormal values, any magnitude a
    /// user could type, and with `extremes` also huge ones and any bit pattern.
    double wildValue() {
        const int kind = between(0, extremes ? 4 : 2);
        double value = withSign(between(0, 3));
        if (kind == 4) {
            do {
                value = std::bit_cast<double>(bits());
            } while (!std::isfinite(value));
        } else if (kind > 0) {
            value = withSign(std::pow(10.0, kind == 1   ? uniform(-323.5, -290)
                                            : kind == 2 ? uniform(-15, 15)
                                                        : uniform(150, 308.25)));
        }
        return value;
    }

    double wild = 0.0;
    double gaps = 0.0;
    bool extremes = false;

private:
    std::mt19937_64 engine_;
};

/// Overwrites every input of a set-up model (stiffnesses, joint moments, bay
/// records) with values drawn from `seed`, keeping the counts.
void FillInputs(FrameModel& model, std::uint64_t seed) {
    Draw draw(seed);
    // Half complete and ordinary; the rest with gaps, some wild values or only wild ones.
    const int kind = draw.between(0, 9);
    draw.gaps = kind < 5   ? 0
                : kind < 7 ? draw.uniform(0, 0.3)
                : kind < 9 ? 0.01
                           : draw.uniform(0, 0.5);
    draw.wild = kind < 7 ? 0 : kind < 9 ? draw.uniform(0.002, 0.1) : 1;
    draw.extremes = kind >= 8;
    const FrameCounts counts = CountsOf(model);
    const int n = counts.columns;
    model.K = {};
    model.M1 = {};
    model.M2 = {};
    model.BayLoads = {};
    for (int j = n + 1; j <= counts.lastJoint; ++j) {
        if (draw.chance(draw.gaps)) {
            continue; // a joint never stored
        }
        // A member the joint lacks gets no stiffness or moment unless a wild one.
        const bool left = (j - 1) % n != 0;
        const bool right = j % n != 0;
        for (int m = 1; m <= MemberCount; ++m) {
            const bool has = m == 1 ? left : m == 2 ? right : m == 3 || j + n <= counts.lastJoint;
            model.K[j][m] = draw.chance(draw.gaps) ? 0.0 : draw.value(has ? 0.5 : 0, has ? 20 : 0);
        }
        model.M1[j] = left ? -draw.value(0, 300) : draw.value(0, 0);
        model.M2[j] = right ? draw.value(0, 300) : draw.value(0, 0);
    }
    const bool ownChoice = draw.chance(0.3); // records name bays of their own choice, not in order
    for (int b = 1; b <= counts.totalBays; ++b) {
        if (draw.chance(draw.gaps / 5)) {
            continue; // a record never stored: L = 0
        }
        BayLoad& bay = model.BayLoads[b];
        const int index = ownChoice ? draw.between(0, counts.totalBays - 1) : b - 1;
        bay.FloorNo = static_cast<std::int16_t>(index / (n - 1) + 1);
        bay.BayNo = static_cast<std::int16_t>(index % (n - 1) + 1);
        if (draw.chance(draw.gaps)) { // another bay, a joint off the frame or beyond the tables
            bay.FloorNo = static_cast<std::int16_t>(draw.between(-1, MaxFloor + 1));
            bay.BayNo = static_cast<std::int16_t>(
                draw.chance(0.5) ? draw.between(-3, n + 2) : draw.between(FirstInt16, LastInt16));
        }
        bay.IsPointLoad = static_cast<std::int16_t>(draw.chance(0.5) ? -1 : 0);
        bay.Udl1 = draw.value(0, 50);
        bay.Udl2 = draw.value(0, 50);
        bay.PointLoad1 = draw.value(0, 200);
        bay.SpanL = draw.value(2, 12);
        bay.LoadX = draw.chance(draw.wild) ? draw.wildValue() : bay.SpanL / 4 * draw.between(0, 4);
    }
}

/// A frame as a user could enter it: set up and filled, or left bare (its
/// counts empty) when the setup refused the counts.
std::unique_ptr<FrameModel> GenerateFrame(std::uint64_t seed) {
    Draw draw(seed);
    const int floors = draw.between(1, MaxFloor);
    const int most = std::min(MaxJoint / (floors + 1), MaxBay / floors + 1);
    // Of twenty frames three the largest of their height, one the smallest and
    // one refused by the setup: too few columns, or too many joints or bays.
    const int pick = draw.between(0, 19);
    const int columns = pick < 3    ? most
                        : pick == 3 ? 2
                        : pick == 4 ? (draw.chance(0.5) ? 1 : most + 1)
                                    : draw.between(2, most);
    auto model = std::make_unique<FrameModel>();
    // Names of digits only, so that a report title never reads like a non-finite number.
    const std::string name = draw.chance(0.1) ? "" : std::to_string(seed % 1000);
    if (!SetUpFrame(*model, name, std::to_string(floors), std::to_string(columns)).has_value()) {
        FillInputs(*model, draw.bits());
    }
    return model;
}

const char* const ReplaySeed = std::getenv("VELMORA_RANDOM_SEED");
const char* const FramesText = std::getenv("VELMORA_RANDOM_FRAMES");
const int Frames = FramesText != nullptr ? std::atoi(FramesText) : 8000;

std::vector<std::string> ReportTexts(const FrameModel& model) {
    return {MainReportText(model), CorrectedReportText(model), MidspanReportText(model),
            ColumnLoadReportText(model)};
}

/// Zero but for rounding in a few operations on values up to `scale` (or subnormal).
bool NearZero(long double sum, long double scale) {
    return std::fabs(sum) <= 1e-12L * scale + 1e-300L;
}

/// The folder holds just the four reports of the model, and no value in them
/// is infinite or undefined: those print as some spelling of "inf" or "nan",
/// letters that no label or number of a report holds in a row.
void CheckReports(const FrameModel& model, const fs::path& folder, const CalculateOutcome& outcome,
                  std::ostream& problems) {
    if (outcome.reports != ReportPaths(model, folder) ||
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()) != 4) {
        problems << "\n  - the folder does not hold exactly the four reports";
        return;
    }
    const std::vector<std::string> expected = ReportTexts(model);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::ifstream file(outcome.reports[i], std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(file), {}};
        if (text != expected[i]) {
            problems << "\n  - " << outcome.reports[i].filename() << " is not the model's report";
        }
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) {
            problems << "\n  - " << outcome.reports[i].filename() << " prints a non-finite value";
        }
    }
}

/// Each joint's four corrected moments add up to zero; for every bay RML 1 =
/// -RML 2, and RDL 1 + RDL 2 is minus the bay's total load, formed here in
/// another order and with more range and precision.
void CheckBalance(const FrameModel& model, std::ostream& problems) {
    const FrameCounts counts = CountsOf(model);
    for (int j = counts.columns + 1; j <= counts.lastJoint; ++j) {
        long double sum = 0;
        long double scale = 0;
        for (int m = 1; m <= MemberCount; ++m) {
            sum += model.CM[j][m].value();
            scale += std::fabs(model.CM[j][m].value()) + std::fabs(model.EndM[j][m].value());
        }
        if (model.CM[j][1].isEmpty() || !NearZero(sum, scale)) {
            problems << "\n  - the corrected moments of joint " << j << " add up to " << sum;
        }
    }
    for (int b = 1; b <= counts.totalBays; ++b) {
        const double rml1 = model.RML[b][1].value();
        const double rml2 = model.RML[b][2].value();
        if (model.RML[b][1].isEmpty() || rml1 != -rml2) {
            problems << "\n  - bay record " << b << ": RML 1 = " << rml1 << ", RML 2 = " << rml2;
        }
        const BayLoad& bay = model.BayLoads[b];
        const bool point = bay.IsPointLoad != 0;
        const long double left =
            static_cast<long double>(bay.Udl1) * (point ? bay.LoadX : bay.SpanL);
        // L - X rounded once, as the calculation forms the span right of the point.
        const long double right =
            point ? bay.Udl2 * static_cast<long double>(bay.SpanL - bay.LoadX) : 0;
        const long double load = point ? bay.PointLoad1 : 0;
        const long double rdl1 = model.RDL[b][1].value();
        const long double rdl2 = model.RDL[b][2].value();
        const long double scale = std::fabs(left) + std::fabs(right) + std::fabs(load) +
                                  std::fabs(rdl1) + std::fabs(rdl2);
        if (model.RDL[b][1].isEmpty() || !NearZero(rdl1 + rdl2 + (left + right + load), scale)) {
            problems << "\n  - bay record " << b << ": RDL 1 + RDL 2 = " << rdl1 + rdl2
                     << ", total load " << left + right + load;
        }
    }
}

/// Runs `check` on the frames of `count` seeds from the first; every seed for
/// which it writes problems fails the test with that seed, ten at most.
template <typename Check> void ForEachSeed(int count, Check check) {
    const std::uint64_t first =
        ReplaySeed != nullptr ? std::strtoull(ReplaySeed, nullptr, 10) : 20260601;
    int failures = 0;
    for (int i = 0; i < count && failures < 10; ++i) {
        const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
        std::ostringstream problems;
        problems.precision(17);
        check(seed, problems);
        if (!problems.str().empty()) {
            ++failures;
            ADD_FAILURE() << "frame seed " << seed << problems.str()
                          << "\n  replay: VELMORA_RANDOM_SEED=" << seed
                          << " VELMORA_RANDOM_FRAMES=1 velmora_random_tests";
        }
    }
}

TEST(RandomFrames, EveryFrameGivesFourSoundReportsOrOneMessage) {
    const fs::path folder =
        fs::temp_directory_path() / ("velmora-random-" + std::to_string(::getpid()));
    int succeeded = 0;
    int stopped = 0;
    int largest = 0;
    ForEachSeed(Frames, [&](std::uint64_t seed, std::ostream& problems) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const auto model = GenerateFrame(seed);
        const CalculateOutcome outcome = Calculate(*model, folder);
        if (!outcome.ok()) {
            ++stopped;
            if (outcome.error->empty() || !fs::is_empty(folder) ||
                outcome.reports != decltype(outcome.reports){}) {
                problems << "\n  - stopped (\"" << *outcome.error << "\") yet gave reports";
            }
        } else {
            ++succeeded;
            largest += model->TotalBays.value() >= 96 ? 1 : 0;
            if (model->FloorCount.isEmpty()) {
                problems << "\n  - a refused setup calculated";
            }
            CheckReports(*model, folder, outcome, problems);
            CheckBalance(*model, problems);
        }
    });
    fs::remove_all(folder);
    if (ReplaySeed == nullptr) {
        // Both outcomes and the largest frames must be reached, or the checks
        // above saw too little.
        EXPECT_GT(succeeded, Frames / 3) << "too few frames could be calculated";
        EXPECT_GT(stopped, Frames / 10) << "too few frames were refused";
        EXPECT_GT(largest, Frames / 50) << "too few of the largest frames calculated";
    }
}

/// Recalculating a model that has calculated gives what a fresh one gives:
/// the same new inputs go into the model and into a copy that never calculated.
void CheckRecalculation(std::uint64_t seed, std::ostream& problems) {
    const auto reused = GenerateFrame(seed);
    if (reused->FloorCount.isEmpty()) {
        return;
    }
    const auto fresh = std::make_unique<FrameModel>(*reused);
    (void)RunAnalysis(*reused);
    FillInputs(*reused, ~seed);
    FillInputs(*fresh, ~seed);
    const auto again = RunAnalysis(*reused);
    const auto once = RunAnalysis(*fresh);
    if (again != once || (!again && ReportTexts(*reused) != ReportTexts(*fresh))) {
        problems << "\n  - a second calculation differs from a first one ("
                 << again.value_or("four reports") << " / " << once.value_or("four reports") << ")";
    }
}

TEST(RandomFrames, ACalculationAfterAnotherGivesWhatAFirstOneWould) {
    ForEachSeed(ReplaySeed != nullptr ? Frames : Frames / 8, CheckRecalculation);
}

} // namespace
