#pragma once

#include "cli/chart_arguments.h"

#include <iosfwd>
#include <string>

namespace cli {

// Reads the chart workbook named in the picture's place, paints and counts its chart in the colours
// of the code system it names, and writes what was asked for. Returns the exit code, as runChart.
int runRead(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out,
            std::ostream& errors);

}  // namespace cli
