// A workbook given to `read` (or to the window's "Excel読込") can be any file at all: a chart
// workbook as any program saved it, a damaged one, or one made to cost time and memory. It is read
// the way the command line reads it and, when that works and its cube is small enough to keep the
// run quick, made into a whole chart.
//
// An input that begins with a zip's signature is the whole file. Any other input is one part of a
// sound chart workbook: its first byte picks the part, the rest is that part's content. Changed bytes
// of a packed file mostly fail its checksums; this way the changes reach the sheets themselves.

#include "colour_entry.h"

#include "excel/chart_workbook.h"
#include "excel/imported_chart.h"
#include "excel/zip_parts.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kMostLevelsSettled = 8;

// A few colours spread over the cube, in descending sum as the nearest-code search needs.
palette::LoadedCodeSystem smallSystem() {
    palette::LoadedCodeSystem system;
    system.name = "fuzz";
    system.table = {colourEntry("white", 255, 255, 255), colourEntry("cyan", 60, 210, 230),
                    colourEntry("grey", 128, 128, 128),  colourEntry("green", 40, 160, 60),
                    colourEntry("red", 200, 20, 30),     colourEntry("blue", 20, 40, 180),
                    colourEntry("black", 0, 0, 0)};
    return system;
}

constexpr const char* kVariedParts[] = {"xl/worksheets/sheet3.xml", "xl/worksheets/sheet4.xml",
                                        "xl/worksheets/sheet5.xml", "xl/sharedStrings.xml",
                                        "xl/_rels/workbook.xml.rels", "xl/workbook.xml"};

// The parts of the chart workbook the part inputs vary.
const ZipParts& soundParts() {
    static const ZipParts parts = readZipParts(TESSALY_FUZZ_BASE_WORKBOOK);
    return parts;
}

void writeWithPart(const std::string& path, const std::string& name, std::string_view content) {
    ZipParts parts = soundParts();
    zipPart(parts, name) = content;
    writeZipParts(parts, path);
}

// The reader takes a path, as the user chooses a file: each input goes to a file of this process.
const std::string& inputPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("workbook-fuzz-" + std::to_string(::getpid()) + ".xlsx")).string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with("PK") || input.empty()) {
        std::ofstream file(inputPath(), std::ios::binary | std::ios::trunc);
        file.write(input.data(), static_cast<std::streamsize>(input.size()));
    } else {
        const std::size_t part = static_cast<unsigned char>(input[0]) % std::size(kVariedParts);
        writeWithPart(inputPath(), kVariedParts[part], input.substr(1));
    }
    excel::WorkbookProgress quiet;
    excel::WorkbookRead read = excel::readChartWorkbook(inputPath(), quiet);
    if (!read.message.empty()) return 0;  // no chart workbook, or no workbook at all: the user is told so
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
