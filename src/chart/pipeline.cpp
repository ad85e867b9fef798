#include "chart/pipeline.h"

#include "chart/code_painting.h"
#include "chart/colour_distance.h"
#include "chart/cube.h"
#include "chart/merge_pass.h"
#include "chart/mosaic_sampling.h"

#include <limits>

namespace chart {
namespace {

// Cube codes are stored in 16 bits.
constexpr std::size_t kLargestTable = std::numeric_limits<std::int16_t>::max();

std::string refusal(const ChartModel& model, const palette::ColourTable& table, const ChartRequest& request) {
    if (table.empty()) return "the colour table is empty";
    if (table.size() > kLargestTable) return "the colour table has more than 32767 colours";
    if (request.maxColours < 1) return "the maximum number of colours must be at least 1";
    if (model.source.empty()) return "there is no picture";
    if (model.cellWidth < 1 || model.cellHeight < 1) return "the cell size must be at least 1";
    const int columns = model.displayWidth / model.cellWidth;
    const int rows = model.displayHeight / model.cellHeight;
    if (columns < 1 || rows < 1 || columns > kMaxCells || rows > kMaxCells) {
        return "the chart must be 1 to 200 cells each way";
    }
    return {};
}

}  // namespace

ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const ChartRequest& request) {
    ChartOutcome outcome;
    outcome.message = refusal(model, table, request);
    if (!outcome.message.empty()) return outcome;

    const ColourDistance distance(request.hueWeight);
    outcome.message = buildCube(model.cube, request.levels, table, distance);
    if (!outcome.message.empty()) return outcome;

    makeMosaic(model, table, request.smoothing ? SamplingMode::Smooth : SamplingMode::Diffuse, request.boundary);
    model.options = ChartOptions{request.smoothing, request.boundary, request.maxColours, request.codeSystem};
    model.cube.rebuildCodes = false;

    outcome.reduction = reduceColours(model, table, distance, request.maxColours);
    if (outcome.reduction.success) {
        applyMerges(model);
        paintCodeColours(model, table);
    }
    return outcome;
}

}  // namespace chart
