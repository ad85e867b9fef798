// The printable pattern of the largest chart: 200 x 200 cells of the sample photograph in up to the
// 56 colours a chart may have, on A4. Run build/bin/tessaly_pattern_bench; the median is what counts
// (at most 1 s), and the file size (at most 3 MB) is reported beside it. The last pattern is left in
// the temporary folder as tessaly-pattern-bench.pdf for a look.

#include "document/chart_document.h"
#include "pattern/pattern_pdf.h"
#include "platform/picture_decoder.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

const document::ChartDocument& largestChart() {
    static const auto made = [] {
        auto document = std::make_unique<document::ChartDocument>(TESSALY_CFG_DIR);
        if (!document->start({}).loaded()) throw std::runtime_error("no colour-code system");
        platform::DecodedPicture photo = platform::loadPicture(TESSALY_SAMPLE_PICTURE);
        if (!photo.message.empty()) throw std::runtime_error(photo.message);
        document->takePicture(std::move(photo.bitmap));
        chart::ChartChoices choices = document->choices();
        choices.maxColours = 56;
        if (!document->makeChart({{200, 200}, {1, 1}, choices}).reduction.success) throw std::runtime_error("no chart");
        return document;
    }();
    return *made;
}

void patternPdf(benchmark::State& state) {
    const document::ChartDocument& document = largestChart();
    const pattern::PatternOptions options{pattern::Paper::A4, 2, "2026-12-07"};
    std::string bytes;
    for (auto _ : state) {
        pattern::PatternPdf pdf = pattern::patternPdf(pattern::patternContent(document), options);
        if (!pdf.message.empty()) state.SkipWithError(pdf.message.c_str());
        bytes = std::move(pdf.bytes);
    }
    state.counters["colours"] = document.model().colourList.coloursInUse;
    state.counters["MB"] = bytes.size() / 1e6;
    std::ofstream(std::filesystem::temp_directory_path() / "tessaly-pattern-bench.pdf", std::ios::binary) << bytes;
}

BENCHMARK(patternPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    // The fonts need an application, which needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
