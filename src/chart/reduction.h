#pragma once

#include "chart/chart_model.h"
#include "chart/colour_distance.h"
#include "palette/colour_table.h"

namespace chart {

struct ReductionResult {
    bool success = false;  // the chart now uses no more colours than the maximum
    int colours = 0;       // colours in use, or cube cells still in use after a failure
    bool merged = false;   // there were too many colours, so merging ran
};

// Merges rarely used cube cells into close, frequently used ones until no more than maxColours
// code colours remain. Merges change only the cube counts: the merge pass carries them into the grid.
ReductionResult reduceColours(ChartModel& model, palette::ColourTable& table, const ColourDistance& distance,
                              int maxColours);

}  // namespace chart
