// Time and size of writing a chart picture as a PNG, across row filters, zlib levels, zlib's
// run-length-only matching and palette indices, to choose the settings encodePng ships with. The
// picture is what --png writes for a 600 x 400 photo-like picture at 5 x 5 pixels per cell: 120 x 80
// cells in at most 45 DMC colours. The aim on a 2-core machine: at most 3 ms (median) at the shipped
// settings. "Shipped" also writes the photo itself, the case of more than 256 colours.

#include "chart/chart_model.h"
#include "chart/code_painting.h"
#include "chart/cube_size.h"
#include "chart/pipeline.h"
#include "bench_setup.h"
#include "palette/catalogue.h"
#include "photo_picture.h"
#include "platform/picture_encoder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr int kCellSize = 5;
using bench::kCodeSystem;

std::optional<platform::Bitmap> chartPicture(const palette::LoadedCodeSystem& system) {
    chart::ChartModel model;
    model.source = bench::photoLikePicture(kWidth, kHeight, bench::kPhotoSeed);
    model.displayWidth = kWidth;
    model.displayHeight = kHeight;
    model.cellWidth = kCellSize;
    model.cellHeight = kCellSize;
    palette::ColourTable table = system.table;
    chart::ChartRequest request;
    request.codeSystem = kCodeSystem;
    const int levels = chart::findCubeSizeItem("1728")->levels;
    request.levels = chart::LevelCounts{levels, levels, levels};
    request.hueWeight = system.settings.hueWeight;
    request.maxColours = 45;
    if (!chart::makeChart(model, table, request).message.empty()) return std::nullopt;
    return chart::chartBitmap(model);
}

// The shipped choice of settings when none are given.
void writePng(benchmark::State& state, const platform::Bitmap& picture, std::optional<platform::PngSettings> settings) {
    std::optional<std::string> png;
    for (auto _ : state) {
        png = settings ? platform::encodePng(picture, *settings) : platform::encodePng(picture);
        benchmark::DoNotOptimize(png);
    }
    if (!png) {
        state.SkipWithError("not written");
        return;
    }
    state.counters["bytes"] = static_cast<double>(png->size());
}

const std::vector<std::pair<const char*, platform::PngFilter>> kFilters = {
    {"none", platform::PngFilter::None},   {"sub", platform::PngFilter::Sub},
    {"up", platform::PngFilter::Up},       {"average", platform::PngFilter::Average},
    {"paeth", platform::PngFilter::Paeth}, {"best", platform::PngFilter::EachRowBest},
};

}  // namespace

int main(int argc, char** argv) {
    if (!bench::initializeBenchmarks(argc, argv)) return 1;

    const std::optional<palette::LoadedCodeSystem> system = bench::shippedCodeSystem();
    if (!system) return 1;
    const std::optional<platform::Bitmap> chart = chartPicture(*system);
    if (!chart) {
        std::fprintf(stderr, "no chart could be made\n");
        return 1;
    }
    const platform::Bitmap photo = bench::photoLikePicture(kWidth, kHeight, bench::kPhotoSeed);

    benchmark::RegisterBenchmark("PngWriter/Shipped/chart", writePng, *chart, std::nullopt)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PngWriter/Shipped/photo", writePng, photo, std::nullopt)
        ->Unit(benchmark::kMillisecond);
    for (const bool palette : {true, false}) {
        for (const auto& [filterName, filter] : kFilters) {
            for (const int level : {1, 3, 6, 9}) {
                for (const bool runLengths : {false, true}) {
                    const platform::PngSettings settings{palette, filter, level, runLengths};
                    const std::string name = std::string("PngWriter/") + (palette ? "palette" : "rgb") + "/" +
                                             filterName + "/level:" + std::to_string(level) +
                                             (runLengths ? "/rle" : "");
                    benchmark::RegisterBenchmark(name.c_str(), writePng, *chart, settings)->Unit(benchmark::kMillisecond);
                }
            }
        }
    }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
