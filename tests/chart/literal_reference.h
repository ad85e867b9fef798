#pragma once

// A second, deliberately plain implementation of the chart pipeline, written step by step from the
// description of how a chart is made and kept free of every shortcut the engine takes (no factor
// tables, no partner caches, no engine helpers). Tests run both on the same input and expect the
// same chart, so any speed-up in the engine that changes a result shows up as a difference.

#include "chart/chart_model.h"
#include "chart/pipeline.h"
#include "palette/colour_table.h"

#include <cstdint>
#include <vector>

namespace literal {

// The model's conventions, read here from their description rather than from the engine: a grid
// cell holds r * 10000 + g * 100 + b, and a merged cube cell's count holds -(packed target + 1).
std::int32_t pack(int r, int g, int b);
std::int32_t mergeMarker(std::int32_t packedTarget);

int levelValue(int level, int levels);

// What the cube codes of one model were last worked out from: the table as the search reads it
// (brightness sums and match colours), the hue weight and the level counts.
struct CodesOrigin {
    std::vector<std::int32_t> searched;
    int hueWeight = -1;
    chart::LevelCounts levels{0, 0, 0};
};

// Makes a chart as the engine's makeChart does; `origin` belongs to the model and lives as long.
chart::ChartOutcome makeChart(chart::ChartModel& model, palette::ColourTable& table, const chart::ChartRequest& request,
                              CodesOrigin& origin);

}  // namespace literal
