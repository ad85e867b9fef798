#pragma once

#include "cli/chart_arguments.h"
#include "document/chart_document.h"

#include <string>

namespace cli {

// Writes every output the arguments ask for, all or nothing: the codes and key CSVs, the two
// pictures, the chart workbook and the printable pattern. Returns an error text, empty on success.
std::string writeChartOutputs(const ChartArguments& arguments, document::ChartDocument& document);

}  // namespace cli
