#include "cli/read_command.h"

#include "chart/cube_size.h"
#include "cli/chart_outputs.h"
#include "cli/chart_summary.h"
#include "cli/error_line.h"
#include "cli/exit_codes.h"
#include "excel/chart_workbook.h"
#include "excel/imported_chart.h"
#include "palette/catalogue.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <vector>

namespace cli {
namespace {

// The workbook's code system when the settings offer it; otherwise the one they offer first, as the
// window keeps its current system for a name it does not list.
palette::LoadResult codeSystemFor(const std::string& cfgDir, const std::string& named) {
    const palette::ShippedSettings settings = palette::loadShippedSettings(cfgDir);
    const std::vector<std::string>& names = settings.systems.names;
    const bool listed = std::find(names.begin(), names.end(), named) != names.end();
    return palette::chooseCodeSystem(cfgDir, settings, listed ? std::optional<std::string>(named) : std::nullopt);
}

// Returns an error text, empty on success; the output paths are the arguments'.
std::string readAndWrite(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out) {
    excel::WorkbookProgress quiet;
    excel::WorkbookRead read = excel::readChartWorkbook(arguments.picture, quiet);
    // Whatever cannot be opened as a workbook is no chart workbook either; the reader's words say why.
    if (read.unreadable) return excel::notAChartWorkbook(arguments.picture) + " (" + read.message + ")";
    if (!read.message.empty()) return read.message;
    chart::ChartModel& model = read.model;

    palette::LoadResult loaded = codeSystemFor(arguments.cfgDir.value_or(defaultCfgDir), model.options.codeSystem);
    if (!loaded.message.empty()) return loaded.message;
    palette::LoadedCodeSystem& system = loaded.system;
    model.options.codeSystem = system.name;

    const excel::SettledChart settled = excel::settleImportedChart(model, system);
    if (!settled.message.empty()) return arguments.picture + ": " + settled.message;
    chart::ReductionResult counted;
    counted.success = true;
    counted.colours = settled.colours;
    read.parameters.resultColours = counted.colours;

    const std::string error = writeChartOutputs(arguments, model, system, read.parameters);
    if (!error.empty()) return error;
    if (arguments.json) {
        out << chartSummaryJson(model, counted, chart::kCubeSizeItems[read.parameters.cubeItem].text) << std::flush;
        if (!out) return "cannot write the summary to standard output";
    }
    return {};
}

}  // namespace

int runRead(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out,
            std::ostream& errors) {
    const std::string error = readAndWrite(arguments, defaultCfgDir, out);
    if (error.empty()) return kExitSuccess;
    printError(errors, error);
    return kExitBadInput;
}

}  // namespace cli
