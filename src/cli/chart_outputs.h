#pragma once

#include "chart/chart_model.h"
#include "cli/chart_arguments.h"
#include "excel/chart_workbook.h"
#include "palette/catalogue.h"

#include <string>

namespace cli {

// The chart workbook template shipped with the program, whatever folder the colour tables come from.
std::string shippedTemplate(const std::string& shippedCfgDir);

// Writes every output the arguments ask for, all or nothing: the codes and key CSVs, the two
// pictures and the chart workbook, made from the template. Returns an error text, empty on success.
std::string writeChartOutputs(const ChartArguments& arguments, const chart::ChartModel& model,
                              const palette::LoadedCodeSystem& system, const excel::WorkbookParameters& parameters,
                              const std::string& templatePath);

}  // namespace cli
