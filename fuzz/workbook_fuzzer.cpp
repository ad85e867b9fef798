// A workbook given to `read` (or to the window's "Excel読込") can be any file at all: a chart
// workbook as any program saved it, a damaged one, or one made to cost time and memory. It is read
// the way the command line reads it and, when that works and its cube is small enough to keep the
// run quick, made into a whole chart.

#include "excel/automation_error.h"
#include "excel/chart_workbook.h"
#include "excel/imported_chart.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kMostLevelsSettled = 8;

palette::ColourEntry entry(const char* code, int r, int g, int b) {
    palette::ColourEntry e;
    e.code = code;
    e.name = code;
    e.r = e.matchR = r;
    e.g = e.matchG = g;
    e.b = e.matchB = b;
    e.sum = r + g + b;
    return e;
}

// A few colours spread over the cube, in descending sum as the nearest-code search needs.
palette::LoadedCodeSystem smallSystem() {
    palette::LoadedCodeSystem system;
    system.name = "fuzz";
    system.table = {entry("white", 255, 255, 255), entry("cyan", 60, 210, 230), entry("grey", 128, 128, 128),
                    entry("green", 40, 160, 60), entry("red", 200, 20, 30), entry("blue", 20, 40, 180),
                    entry("black", 0, 0, 0)};
    return system;
}

// The reader takes a path, as the user chooses a file: each input goes to a file of this process.
const std::string& inputPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("workbook-fuzz-" + std::to_string(::getpid()) + ".xlsx")).string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(inputPath(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    excel::WorkbookRead read;
    try {
        excel::WorkbookProgress quiet;
        read = excel::readChartWorkbook(inputPath(), quiet);
    } catch (const excel::AutomationError&) {
        return 0;  // no workbook, or none the engine can open: the user is told so
    }
    if (!read.message.empty()) return 0;
    chart::ChartModel& model = read.model;
    // What the reader lets through is a chart the program can hold.
    if (!chart::cellCountAllowed(model.columns) || !chart::cellCountAllowed(model.rows) || model.cellWidth < 1 ||
        model.cellHeight < 1 || read.parameters.cubeItem < 0) {
        __builtin_trap();
    }
    const chart::LevelCounts& levels = model.cube.levels;
    if (levels.red > kMostLevelsSettled || levels.green > kMostLevelsSettled || levels.blue > kMostLevelsSettled) {
        return 0;
    }
    palette::LoadedCodeSystem system = smallSystem();
    excel::settleImportedChart(model, system);
    return 0;
}
