// Times the calculate command on the two largest frames the table limits allow,
// with every joint and every bay filled in.
#include "calculate/Calculate.h"
#include "check/FrameCheck.h"
#include "frames/FilledFrame.h"
#include "model/FrameSetup.h"
#include "report/ReportWriter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

void BM_Analysis(benchmark::State& state) {
    FrameModel model =
        FilledFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        auto fault = RunAnalysis(model);
        benchmark::DoNotOptimize(fault);
        benchmark::DoNotOptimize(model.CM);
    }
}

/// A fresh folder for the files of one benchmark, removed with the object.
struct BenchFolder {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(::getpid()));
    BenchFolder() { std::filesystem::create_directories(path); }
    ~BenchFolder() { std::filesystem::remove_all(path); }
};

/// The analysis and the four plain-text reports alone, as before the frame page.
void BM_AnalysisAndReports(benchmark::State& state) {
    FrameModel model =
        FilledFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const BenchFolder folder;
    for (auto _ : state) {
        std::optional<std::string> fault = RunAnalysis(model);
        ReportFiles files =
            fault ? ReportFiles{fault, {}} : WriteReports(model, TextReports(model), folder.path);
        if (files.error) {
            state.SkipWithError(files.error->c_str());
            break;
        }
        benchmark::DoNotOptimize(files);
    }
}

/// The whole calculate command: the analysis, its check against the exact
/// solution, and the four reports and the frame page written as one set.
void BM_CalculateWithPage(benchmark::State& state) {
    FrameModel model =
        FilledFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const BenchFolder folder;
    for (auto _ : state) {
        CalculateOutcome outcome = Calculate(model, folder.path);
        if (!outcome.ok()) {
            state.SkipWithError(outcome.error->c_str());
            break;
        }
        benchmark::DoNotOptimize(outcome);
    }
}

/// The frame page's check of an analysed frame: the exact solution, the repeated
/// cycles, the sums, the bays and the columns.
void BM_FrameCheck(benchmark::State& state) {
    FrameModel model =
        FilledFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (auto fault = RunAnalysis(model)) {
        state.SkipWithError(fault->c_str());
        return;
    }
    for (auto _ : state) {
        FrameCheck check = CheckFrame(model, BayRecordsOf(model));
        benchmark::DoNotOptimize(check);
    }
}

} // namespace

BENCHMARK(BM_Analysis)->Args({1, 100})->Args({6, 17})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalysisAndReports)->Args({1, 100})->Args({6, 17})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateWithPage)->Args({1, 100})->Args({6, 17})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameCheck)->Args({1, 100})->Args({6, 17})->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
