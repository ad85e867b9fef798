#pragma once

#include "cli/chart_arguments.h"

#include <iosfwd>
#include <string>

namespace cli {

// Makes the chart and writes what was asked for. Returns the exit code; problems go to `errors`
// as one line each, the JSON summary to `out`; an output named `-` goes straight to the process's
// standard output.
int runChart(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out,
             std::ostream& errors);

}  // namespace cli
