#pragma once

#include "chart/chart_model.h"
#include "palette/catalogue.h"

#include <string>

namespace excel {

struct SettledChart {
    std::string message;  // empty on success
    int colours = 0;      // colours in use
};

// A workbook holds cells and levels only. This makes a read chart whole with the code system's
// table: the cube and its codes, every cell in its code colour, the chart as its own source picture
// (the photograph is not in the workbook), the cube counts and the colour key.
SettledChart settleImportedChart(chart::ChartModel& model, palette::LoadedCodeSystem& system);

}  // namespace excel
