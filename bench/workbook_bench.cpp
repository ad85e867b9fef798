// Export and import of the largest chart workbook: 200 x 200 cells in 56 colours.
// Run build/bin/tessaly_workbook_bench; the medians are what counts.

#include "chart/chart_choices.h"
#include "excel/chart_workbook.h"
#include "platform/picture_decoder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

struct LargestChart {
    palette::LoadedCodeSystem system;
    chart::ChartModel model;
};

// The sample photograph at one pixel per cell, in the DMC range with up to the 56 colours a chart may have.
const LargestChart& largestChart() {
    static const LargestChart made = [] {
        palette::LoadResult loaded = palette::chooseCodeSystem(
            TESSALY_CFG_DIR, palette::loadShippedSettings(TESSALY_CFG_DIR), std::string("DMC(刺繍糸)"));
        if (!loaded.message.empty()) throw std::runtime_error(loaded.message);
        LargestChart c{std::move(loaded.system), {}};
        platform::DecodedPicture photo = platform::loadPicture(TESSALY_SAMPLE_PICTURE);
        if (!photo.message.empty()) throw std::runtime_error(photo.message);
        c.model.source = std::move(photo.bitmap);
        c.model.displayWidth = c.model.displayHeight = 200;
        chart::ChartChoices choices = chart::defaultChoices(c.system.settings);
        choices.maxColours = 56;
        if (!chart::makeChart(c.model, c.system, choices).reduction.success) throw std::runtime_error("no chart");
        return c;
    }();
    return made;
}

std::string workbookPath() { return (std::filesystem::temp_directory_path() / "tessaly-bench.xlsx").string(); }

void exportWorkbook(benchmark::State& state) {
    const LargestChart& c = largestChart();
    excel::WorkbookProgress quiet;
    for (auto _ : state) {
        const std::string message = excel::writeChartWorkbook(workbookPath(), c.model, c.system, {}, quiet);
        if (!message.empty()) state.SkipWithError(message.c_str());
    }
    state.counters["colours"] = c.model.colourList.coloursInUse;
}

void importWorkbook(benchmark::State& state) {
    const LargestChart& c = largestChart();
    excel::WorkbookProgress quiet;
    excel::writeChartWorkbook(workbookPath(), c.model, c.system, {}, quiet);
    for (auto _ : state) {
        const excel::WorkbookRead read = excel::readChartWorkbook(workbookPath(), quiet);
        if (!read.message.empty()) state.SkipWithError(read.message.c_str());
        benchmark::DoNotOptimize(read.model.grid.data());
    }
}

BENCHMARK(exportWorkbook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(importWorkbook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
