#pragma once

#include "chart/chart_model.h"
#include "chart/reduction.h"
#include "palette/colour_table.h"

#include <functional>
#include <string>

namespace chart {

struct ChartRequest {
    std::string codeSystem;
    LevelCounts levels;
    int hueWeight = palette::kDefaultHueWeight;
    int maxColours = palette::kMostColours;
    bool smoothing = false;
    bool boundary = false;
    bool appearance = false;  // colours chosen for the chart's look rather than by merging cube cells
};

struct ChartOutcome {
    std::string message;  // empty when a chart was made; otherwise why not
    ReductionResult reduction;
};

// The stages of making a chart, in this order, for a window that tells the user what it is doing.
// CubeCodes comes only when the cube codes are worked out again, the slow part of a first chart.
enum class ChartStage { Sampling, CubeCodes, Reduction, CodeColours };
using ChartProgress = std::function<void(ChartStage)>;

// Makes a chart from the model's source picture and display size: builds the cube, samples the
// mosaic, records the options, reduces the colours and, when that succeeds, applies the merges and
// paints the code colours. A failed reduction leaves the chart in its cube colours.
ChartOutcome makeChart(ChartModel& model, palette::ColourTable& table, const ChartRequest& request,
                       const ChartProgress& progress = {});

}  // namespace chart
