#pragma once

#include "chart/chart_model.h"
#include "chart/cube_size.h"
#include "chart/pipeline.h"
#include "palette/catalogue.h"

#include <string>

namespace chart {

// What the user chooses for a chart besides the picture and its size: in the window the cube size
// box, the colour count and the two option boxes; on the command line their options.
struct ChartChoices {
    CubeSizeItem cube = kDefaultCubeSizeItem;
    int maxColours = palette::kMostColours;
    bool smoothing = false;
    bool boundary = false;
    bool appearance = false;  // threads chosen for the chart's look
};

// The choices a colour-code system's settings make when the user changes none.
ChartChoices defaultChoices(const palette::CodeSystemSettings& settings);

// Makes the chart of the model's source picture, at the model's display and cell size, in the
// colours of the system. Whoever makes a chart — window, command line, workbook import — comes here.
ChartOutcome makeChart(ChartModel& model, palette::LoadedCodeSystem& system, const ChartChoices& choices,
                       const ChartProgress& progress = {});

}  // namespace chart
