#pragma once

#include "cli/chart_arguments.h"

#include <string>
#include <vector>

namespace cli {

// Parses the words after `read`: the workbook in the picture's place, and of the chart options only
// --cfg, the outputs (but --xlsx) with the PDF's --paper and --strands, and --json. What the chart
// was made with comes from the workbook.
ParsedChartArguments parseReadArguments(const std::vector<std::string>& words);

}  // namespace cli
