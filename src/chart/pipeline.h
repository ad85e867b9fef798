#pragma once

#include "chart/chart_model.h"
#include "chart/reduction.h"
#include "palette/colour_table.h"

#include <string>

namespace chart {

struct ChartRequest {
    std::string codeSystem;
    LevelCounts levels;
    int hueWeight = palette::kDefaultHueWeight;
    int maxColours = palette::kMostColours;
    bool smoothing = false;
    bool boundary = false;
};

struct ChartOutcome {
    std::string message;  // empty when a chart was made; otherwise why not
    ReductionResult reduction;
};

// Makes a chart from the model's source picture and display size: builds the cube, samples the
// mosaic, records the options, reduces the colours and, when that succeeds, applies the merges and
// paints the code colours. A failed reduction leaves the chart in its cube colours.
ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const ChartRequest& request);

}  // namespace chart
