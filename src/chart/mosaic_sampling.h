#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

namespace chart {

enum class SamplingMode { Smooth, Diffuse };

// Fixes the chart's columns and rows from the display size (shrinking the display to whole cells),
// gives every cell the cube cell of its dominant or average colour, counts the cells per cube cell
// and paints the chart picture in the cube colours. The cube must have been built. Returns false,
// changing nothing, when there is no source picture.
bool makeMosaic(ChartModel& model, const palette::ColourTable& table, SamplingMode mode, bool boundary);

}  // namespace chart
