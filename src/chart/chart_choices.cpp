#include "chart/chart_choices.h"


namespace chart {

ChartChoices defaultChoices(const palette::CodeSystemSettings& settings) {
    return ChartChoices{selectCubeSizeItem(settings.cubeSize), settings.defaultColours, settings.smoothing,
                        settings.boundary, settings.appearance};
}

ChartOutcome makeChart(ChartModel& model, palette::LoadedCodeSystem& system, const ChartChoices& choices,
                       const ChartProgress& progress) {
    ChartRequest request;
    request.codeSystem = system.name;
    request.levels = LevelCounts{choices.cube.levels, choices.cube.levels, choices.cube.levels};
    request.hueWeight = system.settings.hueWeight;
    request.maxColours = choices.maxColours;
    request.smoothing = choices.smoothing;
    request.boundary = choices.boundary;
    request.appearance = choices.appearance;
    return makeChart(model, system.table, request, progress);
}

}  // namespace chart
