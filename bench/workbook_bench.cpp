// Export and import of the largest chart workbook: 200 x 200 cells in 56 colours.
// Run build/bin/tessaly_workbook_bench; the medians are what counts.

#include "chart/chart_choices.h"
#include "excel/chart_workbook.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

struct LargestChart {
    palette::LoadedCodeSystem system;
    chart::ChartModel model;
};

// A picture of many colours, charted in the DMC range with the most colours a chart may have.
const LargestChart& largestChart() {
    static const LargestChart made = [] {
        palette::LoadResult loaded = palette::chooseCodeSystem(TESSALY_CFG_DIR, std::string("DMC(刺繍糸)"));
        if (!loaded.message.empty()) throw std::runtime_error(loaded.message);
        LargestChart c{std::move(loaded.system), {}};
        c.model.displayWidth = c.model.displayHeight = 200;
        c.model.source = platform::Bitmap(200, 200);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                c.model.source.set(x, y, platform::Rgb{static_cast<std::uint8_t>(x * 255 / 200),
                                                       static_cast<std::uint8_t>(y * 255 / 200),
                                                       static_cast<std::uint8_t>((x * 3 + y * 5) % 256)});
            }
        }
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
    for (auto _ : state) {
        const excel::WorkbookWrite written = excel::writeChartWorkbook(workbookPath(), c.model, c.system, {});
        if (!written.message.empty()) state.SkipWithError(written.message.c_str());
    }
    state.counters["colours"] = c.model.colourList.coloursInUse;
}

void importWorkbook(benchmark::State& state) {
    const LargestChart& c = largestChart();
    excel::writeChartWorkbook(workbookPath(), c.model, c.system, {});
    for (auto _ : state) {
        const excel::WorkbookRead read = excel::readChartWorkbook(workbookPath());
        if (!read.message.empty()) state.SkipWithError(read.message.c_str());
        benchmark::DoNotOptimize(read.model.grid.data());
    }
}

BENCHMARK(exportWorkbook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(importWorkbook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
