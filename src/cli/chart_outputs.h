#pragma once

#include "chart/chart_model.h"
#include "cli/chart_arguments.h"
#include "excel/chart_workbook.h"
#include "palette/catalogue.h"

#include <string>

namespace cli {

// Writes every output the arguments ask for, all or nothing: the codes and key CSVs, the two
// pictures and the chart workbook. Returns an error text, empty on success.
std::string writeChartOutputs(const ChartArguments& arguments, const chart::ChartModel& model,
                              const palette::LoadedCodeSystem& system, const excel::WorkbookParameters& parameters);

}  // namespace cli
