#include "chart/chart_choices.h"

#include "chart/cube_size.h"
#include "platform/failure.h"

namespace chart {

ChartChoices defaultChoices(const palette::CodeSystemSettings& settings) {
    return ChartChoices{std::string(selectCubeSizeItem(settings.cubeSize)), settings.defaultColours, settings.smoothing,
                        settings.boundary};
}

ChartOutcome makeChart(ChartModel& model, palette::LoadedCodeSystem& system, const ChartChoices& choices,
                       const ChartProgress& progress) {
    const std::optional<int> levels = levelsForCubeSize(choices.cubeItem);
    if (!levels) return platform::failure<ChartOutcome>("there is no cube of size " + choices.cubeItem);
    ChartRequest request;
    request.codeSystem = system.name;
    request.levels = LevelCounts{*levels, *levels, *levels};
    request.hueWeight = system.settings.hueWeight;
    request.maxColours = choices.maxColours;
    request.smoothing = choices.smoothing;
    request.boundary = choices.boundary;
    return makeChart(model, system.table, request, progress);
}

}  // namespace chart
