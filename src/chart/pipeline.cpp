#include "chart/pipeline.h"

#include "chart/appearance_choice.h"
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
    LevelCounts levels = request.levels;
    if (request.appearance) {
        levels = LevelCounts{appearanceLevels(levels.red, request.maxColours), appearanceLevels(levels.green, request.maxColours),
                             appearanceLevels(levels.blue, request.maxColours)};
    }
    if (cubeCodesWanted(model.cube, levels, table, distance)) report(ChartStage::CubeCodes);
    outcome.message = buildCube(model.cube, levels, table, distance);
    if (!outcome.message.empty()) return outcome;

    // Colours chosen for their look are carried on, when at all, once the threads are known.
    const bool diffusion = !request.smoothing;
    std::vector<Rgb> sampled;
    if (request.appearance) sampled.resize(static_cast<std::size_t>(kGridSize) * kGridSize);
    makeMosaic(model, table, diffusion && !request.appearance ? SamplingMode::Diffuse : SamplingMode::Smooth,
               request.boundary, request.appearance ? &sampled : nullptr);
    model.options = ChartOptions{request.smoothing, request.boundary, request.maxColours, request.codeSystem,
                                 request.appearance};
    model.cube.rebuildCodes = false;

    report(ChartStage::Reduction);
    if (request.appearance) {
        outcome.reduction = ReductionResult{true, colourForAppearance(model, table, sampled, request.maxColours, diffusion), false};
        report(ChartStage::CodeColours);
        return outcome;
    }
    outcome.reduction = reduceColours(model, table, distance, request.maxColours);
    if (outcome.reduction.success) {
        applyMerges(model);
        report(ChartStage::CodeColours);
        paintCodeColours(model, table);
    }
    return outcome;
}

}  // namespace chart
