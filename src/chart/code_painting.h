#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

namespace chart {

// Paints every filled cell in its code colour; a cell without one becomes empty and white
// (the window's `x_DMC_color` step).
void paintCodeColours(ChartModel& model, const palette::ColourTable& table);

// One pixel per cell in the code colours; empty cells stay white (the window's `x_DMC2_color` step).
Bitmap iconBitmap(const ChartModel& model, const palette::ColourTable& table);

}  // namespace chart
