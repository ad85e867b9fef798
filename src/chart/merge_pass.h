#pragma once

#include "chart/chart_model.h"

namespace chart {

// Brings every grid cell whose cube cell was merged to the end of its merge chain and repaints it
// in that cube cell's level colour, so that the grid shows what the colour reduction merged.
void applyMerges(ChartModel& model);

}  // namespace chart
