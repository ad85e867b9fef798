// A picture given on the command line can be any file at all. It is decoded and, when that works and
// the picture is small enough to keep the run quick, made into a chart the way the command line does.

#include "colour_entry.h"

#include "chart/chart_model.h"
#include "chart/pipeline.h"
#include "palette/colour_table.h"
#include "platform/picture_decoder.h"
#include "view/picture_area.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

constexpr int kCellSize = 3;
constexpr long long kMaxChartedPixels = 256 * 256;

// A dozen colours spread over the cube, in descending sum as the nearest-code search needs.
palette::ColourTable smallTable() {
    return {colourEntry("white", 255, 255, 255), colourEntry("yellow", 250, 230, 40),
            colourEntry("cyan", 60, 210, 230),    colourEntry("pink", 240, 120, 170),
            colourEntry("grey", 128, 128, 128),   colourEntry("orange", 230, 120, 20),
            colourEntry("green", 40, 160, 60),    colourEntry("red", 200, 20, 30),
            colourEntry("purple", 110, 40, 130),  colourEntry("blue", 20, 40, 180),
            colourEntry("brown", 90, 50, 20),     colourEntry("black", 0, 0, 0)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::DecodedPicture picture =
        platform::decodePicture(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!picture.message.empty()) return 0;
    const int width = picture.bitmap.width();
    const int height = picture.bitmap.height();
    if (picture.bitmap.empty() || width <= 0 || height <= 0) __builtin_trap();
    if (static_cast<long long>(width) * height > kMaxChartedPixels) return 0;

    chart::ChartModel model;
    model.source = std::move(picture.bitmap);
    const view::AreaSize area = view::pictureArea(width, height, kCellSize, kCellSize);
    model.displayWidth = area.width;
    model.displayHeight = area.height;
    model.cellWidth = kCellSize;
    model.cellHeight = kCellSize;

    palette::ColourTable table = smallTable();
    chart::ChartRequest request;
    request.codeSystem = "fuzz";
    request.levels = chart::LevelCounts{4, 4, 4};  // the cube "64"
    request.maxColours = 10;
    // The input's length picks the options, so that the picture bytes stay as the decoder sees them.
    request.smoothing = size % 2 == 1;
    request.boundary = size / 2 % 2 == 1;

    const chart::ChartOutcome outcome = chart::makeChart(model, table, request);
    if (!outcome.message.empty()) __builtin_trap();
    const bool sized = chart::cellCountAllowed(model.columns) && chart::cellCountAllowed(model.rows);
    if (!sized || (outcome.reduction.success && outcome.reduction.colours > request.maxColours)) __builtin_trap();
    return 0;
}
