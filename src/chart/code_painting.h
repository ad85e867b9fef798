#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

namespace chart {

// The colour-table entry a cell shows through its cube cell; below 0 for an empty cell or a cube cell
// without a code colour.
int cellCodeIndex(const ChartModel& model, int column, int row);

// Paints every filled cell in its code colour; a cell without one becomes empty and white
// (the window's `x_DMC_color` step).
void paintCodeColours(ChartModel& model, const palette::ColourTable& table);

// One pixel per cell in the code colours; empty cells stay white (the window's `x_DMC2_color` step).
Bitmap iconBitmap(const ChartModel& model, const palette::ColourTable& table);

}  // namespace chart
