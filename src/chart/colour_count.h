#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

namespace chart {

// The 56 chart symbols, one per colour-list row.
extern const std::array<const char*, kColourListRows> kChartSymbols;

// Empties the table's symbols, rebuilds the colour list from the cube cells in use and gives each
// colour its symbol; returns the number of distinct code colours in use.
int countColoursInUse(ChartModel& model, palette::ColourTable& table);

}  // namespace chart
