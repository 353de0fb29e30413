// Thousands of generated frames through the whole analysis. Each frame
// comes from its own seed; a failure prints that seed, and
//   VELMORA_RANDOM_SEED=<seed> VELMORA_RANDOM_FRAMES=1 velmora_random_tests
// replays exactly that frame.
#include "analysis/Analysis.h"
#include "check/FrameCheck.h"
#include "model/FrameSetup.h"
#include "page/FramePage.h"
#include "report/ReportText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

/// Seeded choices, the same on every machine: the engine is fixed by the
/// standard, the library's distributions are not.
struct Draw {
    std::mt19937_64 engine;
    double wild = 0; // how often a value comes from the corners of the number range
    double gaps = 0; // how often an input is never stored or out of place

    int between(int low, int high) {
        return low + static_cast<int>(engine() % (static_cast<std::uint64_t>(high - low) + 1));
    }
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(engine() >> 11) * 0x1p-53;
    }
    bool chance(double probability) { return uniform(0, 1) < probability; }

    /// Two decimals in [low, high], or a corner value as often as `wild` says.
    double value(double low, double high) {
        return chance(wild) ? corner() : std::round(uniform(low, high) * 100) / 100;
    }
    /// Zero of either sign, a small whole number, a subnormal or any magnitude.
    double corner() {
        const double sign = chance(0.5) ? -1 : 1;
        const int kind = between(0, 2);
        return kind == 0 ? sign * between(0, 3)
                         : sign * std::pow(10.0, kind == 1 ? uniform(-323.5, -290)
                                                           : uniform(-15, 308.25));
    }
};

struct Frame {
    std::unique_ptr<FrameModel> model = std::make_unique<FrameModel>();
    bool ordinary = false; ///< every joint and record stored, within the frame
};

/// One stiffness per member, written at both its ends: the beam from j to j + 1 as
/// k2 of j and k1 of j + 1, the column from j to j + N as k4 of j and k3 of j + N
/// (a floor 1 column has only its upper end typed). A joint never stored leaves its
/// ends empty and its members 0 at their other ends, so it is the same frame.
void TypeStiffnesses(Draw& draw, FrameModel& model, const std::vector<bool>& stored) {
    const FrameCounts counts = CountsOf(model);
    const int n = counts.columns;
    auto member = [&](int j, int m, int far, int farM) {
        const bool both = stored[static_cast<std::size_t>(j)] &&
                          (far <= n || stored[static_cast<std::size_t>(far)]);
        const double k = both && !draw.chance(draw.gaps) ? draw.value(0.5, 20) : 0.0;
        if (stored[static_cast<std::size_t>(j)]) {
            model.K[j][m] = k;
        }
        if (far > n && stored[static_cast<std::size_t>(far)]) {
            model.K[far][farM] = k;
        }
    };
    for (int j = n + 1; j <= counts.lastJoint; ++j) {
        member(j, 3, j - n, 4);
        if (j % n != 0) {
            member(j, 2, j + 1, 1);
        }
    }
}

/// A frame as a user could enter it, from its seed: counts over the whole range
/// (some refused by the setup, which leaves the model bare), then half of the
/// frames complete and ordinary, the rest with gaps, wild values or both.
Frame GenerateFrame(std::uint64_t seed) {
    Draw draw{std::mt19937_64(seed)};
    const int floors = draw.between(1, MaxFloor);
    const int most = std::min(MaxJoint / (floors + 1), MaxBay / floors + 1);
    // A fifth the largest of their height; 1 and most + 1 columns are refused.
    const int n = draw.chance(0.2) ? most : draw.between(1, most + 1);
    const int kind = draw.between(0, 9);
    Frame frame;
    FrameModel* const model = frame.model.get();
    // Counts within the limits must be accepted, the largest included: a refused
    // setup leaves the model bare, which an ordinary frame reports.
    frame.ordinary = kind < 5 && n >= 2 && n <= most;
    // A name of digits, so that a report title never reads like a non-finite number.
    if (SetUpFrame(*model, std::to_string(seed), std::to_string(floors), std::to_string(n))) {
        return frame;
    }
    draw.gaps = kind < 5 ? 0 : kind < 7 ? draw.uniform(0, 0.3) : draw.uniform(0, 0.1);
    draw.wild = kind < 7 ? 0 : kind < 9 ? draw.uniform(0.002, 0.1) : 1;
    const FrameCounts counts = CountsOf(*model);
    std::vector<bool> stored(static_cast<std::size_t>(counts.lastJoint) + 1, false);
    for (int j = n + 1; j <= counts.lastJoint; ++j) {
        stored[static_cast<std::size_t>(j)] = !draw.chance(draw.gaps);
    }
    TypeStiffnesses(draw, *model, stored);
    for (int j = n + 1; j <= counts.lastJoint; ++j) {
        if (stored[static_cast<std::size_t>(j)]) {
            // Moments at the floor ends too: a cantilever's.
            model->M1[j] = -draw.value(0, (j - 1) % n != 0 ? 300 : 60);
            model->M2[j] = draw.value(0, j % n != 0 ? 300 : 60);
        }
    }
    for (int b = 1; b <= counts.totalBays; ++b) {
        if (draw.chance(draw.gaps / 5)) {
            continue; // a record never stored: L = 0
        }
        BayLoad& bay = model->BayLoads[b];
        // Now and then another bay, a joint off the frame or beyond the tables.
        const bool elsewhere = draw.chance(draw.gaps);
        const int offBay =
            draw.chance(0.5) ? draw.between(-3, n + 2) : draw.between(FirstInt16, LastInt16);
        bay.FloorNo = static_cast<std::int16_t>(elsewhere ? draw.between(-1, MaxFloor + 1)
                                                          : (b - 1) / (n - 1) + 1);
        bay.BayNo = static_cast<std::int16_t>(elsewhere ? offBay : (b - 1) % (n - 1) + 1);
        bay.IsPointLoad = static_cast<std::int16_t>(draw.chance(0.5) ? -1 : 0);
        bay.Udl1 = draw.value(0, 50);
        bay.Udl2 = draw.value(0, 50);
        bay.PointLoad1 = draw.value(0, 200);
        bay.SpanL = draw.value(2, 12);
        bay.LoadX = draw.chance(draw.wild) ? draw.corner() : bay.SpanL / 4 * draw.between(0, 4);
    }
    return frame;
}

/// What is wrong with the outcome of one frame, or the empty text: an ordinary frame
/// must calculate, a stop must say why, and the four reports of a calculation must
/// hold no infinite or undefined value. Those print as some spelling of "inf" or
/// "nan", letters that no label or number of a report holds in a row.
std::string Problem(const Frame& frame, const std::optional<std::string>& stop) {
    const FrameModel& model = *frame.model;
    if (stop) {
        return frame.ordinary  ? "an ordinary frame was refused: " + *stop
               : stop->empty() ? "stopped without a message"
                               : "";
    }
    for (auto report :
         {MainReportText, CorrectedReportText, MidspanReportText, ColumnLoadReportText}) {
        std::string text = report(model);
        std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
        if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) {
            return "a report prints a non-finite value";
        }
    }
    return "";
}

/// The same for the frame page, whatever the exact solution and the repeated cycles
/// meet (no solution, divergence, overflow): it must be written, with no number
/// that is not finite ("Infinity", "NaN", as the numbers are written).
std::string PageProblem(const FrameModel& model) {
    const std::string page = FramePageText(model, CheckFrame(model, BayRecordsOf(model)));
    return page.find("Infinity") != std::string::npos || page.find("NaN") != std::string::npos
               ? "the frame page prints a non-finite value"
               : "";
}

// Every frame stops with one message, or gives four reports and a page with nothing
// non-finite in them; each failing seed is printed (ten at most) with its replay command.
TEST(RandomFrames, EveryFrameGivesFourSoundReportsOrOneMessage) {
    const char* const replay = std::getenv("VELMORA_RANDOM_SEED");
    const char* const framesText = std::getenv("VELMORA_RANDOM_FRAMES");
    const int frames = framesText != nullptr ? std::atoi(framesText) : 8000;
    const std::uint64_t first = replay != nullptr ? std::strtoull(replay, nullptr, 10) : 20260601;
    int failures = 0;
    for (int i = 0; i < frames && failures < 10; ++i) {
        const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
        const Frame frame = GenerateFrame(seed);
        const std::optional<std::string> stop = RunAnalysis(*frame.model);
        std::string problem = Problem(frame, stop);
        if (problem.empty() && !stop && seed % 8 == 0) { // a page for every eighth frame
            problem = PageProblem(*frame.model);
        }
        if (!problem.empty()) {
            ++failures;
            ADD_FAILURE() << "frame seed " << seed << ": " << problem
                          << "\n  replay: VELMORA_RANDOM_SEED=" << seed
                          << " VELMORA_RANDOM_FRAMES=1 velmora_random_tests";
        }
    }
}

} // namespace
