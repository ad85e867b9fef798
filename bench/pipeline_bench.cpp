// Time to make a chart from a decoded picture: a 600 x 600 photo-like picture shown at 3 x 3 pixels
// per cell, so a chart of 200 x 200 cells, in the shipped DMC colours. Each iteration starts from a
// fresh model and table, as a command-line run does, so the cube codes are computed every time.
//
// Every case runs five times and reports the mean, median and spread; the aims on a 2-core machine
// (medians): at most 20 ms at cube 512 and 100 ms at cube 5832.

#include "chart/chart_model.h"
#include "chart/cube_size.h"
#include "chart/pipeline.h"
#include "bench_setup.h"
#include "palette/catalogue.h"
#include "photo_picture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCellSize = 3;
using bench::kCodeSystem;

chart::ChartModel preparedModel() {
    chart::ChartModel model;
    model.source = bench::photoLikePicture(bench::kPhotoSize, bench::kPhotoSize, bench::kPhotoSeed);
    model.displayWidth = bench::kPhotoSize;
    model.displayHeight = bench::kPhotoSize;
    model.cellWidth = kCellSize;
    model.cellHeight = kCellSize;
    return model;
}

void makeChart(benchmark::State& state, const chart::ChartModel& prepared, const palette::LoadedCodeSystem& system,
               const chart::ChartRequest& request) {
    chart::ChartOutcome outcome;
    for (auto _ : state) {
        state.PauseTiming();
        chart::ChartModel model = prepared;
        palette::ColourTable table = system.table;
        state.ResumeTiming();

        outcome = chart::makeChart(model, table, request);
        benchmark::DoNotOptimize(model.picture.data());
    }
    if (!outcome.message.empty()) state.SkipWithError(outcome.message.c_str());
    state.counters["colours"] = outcome.reduction.colours;
    if (!outcome.reduction.success) state.SetLabel("too many colours left");
}

}  // namespace

int main(int argc, char** argv) {
    if (!bench::initializeBenchmarks(argc, argv)) return 1;

    const std::optional<palette::LoadedCodeSystem> system = bench::shippedCodeSystem();
    if (!system) return 1;
    const chart::ChartModel prepared = preparedModel();

    for (const int cube : {512, 1728, 5832}) {
        const int levels = chart::findCubeSizeItem(std::to_string(cube))->levels;
        for (const int maxColours : {45, 10}) {
            for (const bool smoothing : {false, true}) {
                chart::ChartRequest request;
                request.codeSystem = kCodeSystem;
                request.levels = chart::LevelCounts{levels, levels, levels};
                request.hueWeight = system->settings.hueWeight;
                request.maxColours = maxColours;
                request.smoothing = smoothing;

                const std::string name = "Pipeline/cube:" + std::to_string(cube) + "/max:" +
                                         std::to_string(maxColours) + "/smooth:" + (smoothing ? "1" : "0");
                benchmark::RegisterBenchmark(name.c_str(), makeChart, prepared, *system, request)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
