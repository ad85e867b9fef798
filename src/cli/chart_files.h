#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

#include <string>

namespace cli {

// The colour code of every cell: a line per chart row, a field per column, empty for an empty cell.
std::string codesCsv(const chart::ChartModel& model, const palette::ColourTable& table);

// The colour key: a header line, then the rows of the colours in use in the key's order.
std::string keyCsv(const chart::ChartModel& model);

}  // namespace cli
