// Times the calculate command on the two largest frames the table limits allow,
// with every joint and every bay filled in.
#include "calculate/Calculate.h"
#include "check/FrameCheck.h"
#include "model/FrameSetup.h"
#include "report/ReportWriter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

FrameModel FilledFrame(int floors, int columns) {
    FrameModel model;
    SetUpFrame(model, "BENCH", std::to_string(floors), std::to_string(columns));
    const int first = columns + 1;
    const int last = columns * (floors + 1);
    for (int j = first; j <= last; ++j) {
        const bool leftEnd = (j - 1) % columns == 0;
        const bool rightEnd = j % columns == 0;
        const bool top = j > last - columns;
        model.K[j][1] = leftEnd ? 0.0 : 2.0 + j % 3;
        model.K[j][2] = rightEnd ? 0.0 : 2.0 + (j + 1) % 3;
        model.K[j][3] = 1.0 + j % 5 * 0.25;
        model.K[j][4] = top ? 0.0 : 1.0 + (j + columns) % 5 * 0.25;
        model.M1[j] = leftEnd ? 0.0 : -30.0 - j % 7;
        model.M2[j] = rightEnd ? 0.0 : 30.0 + j % 7;
    }
    int record = 1;
    for (int f = 1; f <= floors; ++f) {
        for (int b = 1; b < columns; ++b, ++record) {
            BayLoad& bay = model.BayLoads[record];
            bay.IsPointLoad = record % 2 == 0 ? -1 : 0;
            bay.FloorNo = static_cast<std::int16_t>(f);
            bay.BayNo = static_cast<std::int16_t>(b);
            bay.Udl1 = 10.0 + record % 4;
            bay.Udl2 = 5.0;
            bay.PointLoad1 = 12.0;
            bay.SpanL = 6.0;
            bay.LoadX = 2.0;
        }
    }
    return model;
}

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
