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

// Checked before anything changes, so that a refused chart leaves the model as it was.
std::string refusal(const ChartModel& model, const palette::ColourTable& table, const ChartRequest& request) {
    if (table.empty()) return "the colour table is empty";
    if (table.size() > kLargestTable) {
        return "the colour table has more than " + std::to_string(kLargestTable) + " colours";
    }
    if (request.maxColours < 1) return "the maximum number of colours must be at least 1";
    return mosaicRefusal(model);
}

}  // namespace

ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const ChartRequest& request,
                       const ChartProgress& progress) {
    const auto report = [&progress](ChartStage stage) {
        if (progress) progress(stage);
    };
    ChartOutcome outcome;
    outcome.message = refusal(model, table, request);
    if (!outcome.message.empty()) return outcome;

    report(ChartStage::Sampling);
    const ColourDistance distance(request.hueWeight);
    if (cubeCodesWanted(model.cube, request.levels, table, distance)) report(ChartStage::CubeCodes);
    outcome.message = buildCube(model.cube, request.levels, table, distance);
    if (!outcome.message.empty()) return outcome;

    makeMosaic(model, table, request.smoothing ? SamplingMode::Smooth : SamplingMode::Diffuse, request.boundary);
    model.options = ChartOptions{request.smoothing, request.boundary, request.maxColours, request.codeSystem};
    model.cube.rebuildCodes = false;

    report(ChartStage::Reduction);
    outcome.reduction = reduceColours(model, table, distance, request.maxColours);
    if (outcome.reduction.success) {
        applyMerges(model);
        report(ChartStage::CodeColours);
        paintCodeColours(model, table);
    }
    return outcome;
}

}  // namespace chart
