// Time to choose a chart's colours for its look: a 600 x 600 photo-like picture sampled to 200 x 200
// cells, then the choice of 56 DMC threads and the colouring of every cell, with and without carrying
// each cell's difference on. The sampling is done once beforehand; "Chart" times a whole appearance
// chart for comparison with tessaly_bench. Aim on a 2-core machine (median): the choice of 56 colours
// in at most 150 ms.

#include "chart/appearance_choice.h"
#include "chart/cube.h"
#include "chart/mosaic_sampling.h"
#include "chart/pipeline.h"
#include "bench_setup.h"
#include "palette/catalogue.h"
#include "photo_picture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kCellSize = 3;
constexpr int kLevels = 8;
using bench::kCodeSystem;

struct Sampled {
    chart::ChartModel model;
    std::vector<chart::Rgb> colours = std::vector<chart::Rgb>(chart::kGridSize * chart::kGridSize);
};

Sampled sampled(palette::ColourTable& table, int hueWeight) {
    Sampled s;
    s.model.source = bench::photoLikePicture(bench::kPhotoSize, bench::kPhotoSize, bench::kPhotoSeed);
    s.model.displayWidth = s.model.displayHeight = bench::kPhotoSize;
    s.model.cellWidth = s.model.cellHeight = kCellSize;
    chart::buildCube(s.model.cube, chart::LevelCounts{kLevels, kLevels, kLevels}, table, chart::ColourDistance(hueWeight));
    chart::makeMosaic(s.model, table, chart::SamplingMode::Smooth, false, &s.colours);
    return s;
}

void choose(benchmark::State& state, const Sampled& prepared, const palette::ColourTable& shipped, int maxColours,
            bool diffusion) {
    int colours = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chart::ChartModel model = prepared.model;
        palette::ColourTable table = shipped;
        state.ResumeTiming();
        colours = chart::colourForAppearance(model, table, prepared.colours, maxColours, diffusion);
        benchmark::DoNotOptimize(model.grid.data());
    }
    state.counters["colours"] = colours;
}

void wholeChart(benchmark::State& state, const Sampled& prepared, const palette::LoadedCodeSystem& system, bool smoothing) {
    chart::ChartRequest request{kCodeSystem, chart::LevelCounts{kLevels, kLevels, kLevels}, system.settings.hueWeight,
                                palette::kMostColours, smoothing, false, true};
    for (auto _ : state) {
        state.PauseTiming();
        chart::ChartModel model = prepared.model;
        palette::ColourTable table = system.table;
        state.ResumeTiming();
        benchmark::DoNotOptimize(chart::makeChart(model, table, request).reduction.colours);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!bench::initializeBenchmarks(argc, argv)) return 1;

    std::optional<palette::LoadedCodeSystem> system = bench::shippedCodeSystem();
    if (!system) return 1;
    const Sampled prepared = sampled(system->table, system->settings.hueWeight);
    for (const int maxColours : {56, 20}) {
        for (const bool diffusion : {false, true}) {
            const std::string name = "Choice/max:" + std::to_string(maxColours) + "/diffusion:" + (diffusion ? "1" : "0");
            benchmark::RegisterBenchmark(name.c_str(), choose, prepared, system->table, maxColours, diffusion)
                ->Unit(benchmark::kMillisecond);
        }
    }
    for (const bool smoothing : {true, false}) {
        const std::string name = std::string("Chart/max:56/smooth:") + (smoothing ? "1" : "0");
        benchmark::RegisterBenchmark(name.c_str(), wholeChart, prepared, *system, smoothing)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
