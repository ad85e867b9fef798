#pragma once

#include "cli/chart_arguments.h"
#include "document/chart_document.h"

#include <string>

namespace cli {

// Writes every output the arguments ask for, all or nothing: the codes and key CSVs, the two
// pictures and the chart workbook. Returns an error text, empty on success.
std::string writeChartOutputs(const ChartArguments& arguments, document::ChartDocument& document);

}  // namespace cli
