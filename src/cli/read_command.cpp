#include "cli/read_command.h"

#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/colour_distance.h"
#include "chart/cube.h"
#include "chart/cube_size.h"
#include "cli/chart_outputs.h"
#include "cli/chart_summary.h"
#include "cli/error_line.h"
#include "cli/exit_codes.h"
#include "edit/painting_visit.h"
#include "excel/chart_workbook.h"
#include "palette/catalogue.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace cli {
namespace {

// The workbook's code system when the settings offer it; otherwise the one they offer first, as the
// window keeps its current system for a name it does not list.
palette::LoadResult codeSystemFor(const std::string& cfgDir, const std::string& named) {
    const palette::SettingsFileResult settings = palette::loadSettingsFile(cfgDir);
    if (!settings.message.empty()) return palette::chooseCodeSystem(cfgDir, std::nullopt);
    const palette::CodeSystemList list = palette::readCodeSystemList(settings.ini);
    const bool listed = std::find(list.names.begin(), list.names.end(), named) != list.names.end();
    return palette::chooseCodeSystem(cfgDir, listed ? std::optional<std::string>(named) : std::nullopt);
}

// Returns an error text, empty on success; the output paths are the arguments'.
std::string readAndWrite(const ChartArguments& arguments, const std::string& defaultCfgDir, std::ostream& out) {
    excel::WorkbookRead read = excel::readChartWorkbook(arguments.picture);
    if (!read.message.empty()) return read.message;
    chart::ChartModel& model = read.model;

    palette::LoadResult loaded = codeSystemFor(arguments.cfgDir.value_or(defaultCfgDir), model.options.codeSystem);
    if (!loaded.message.empty()) return loaded.message;
    palette::LoadedCodeSystem& system = loaded.system;
    model.options.codeSystem = system.name;

    // The workbook holds cells and levels only: the cube codes, the colours and the key are made
    // anew from the system's table, and the chart itself stands in for the source picture.
    const std::string cubeMessage =
        chart::buildCube(model.cube, model.cube.levels, system.table, chart::ColourDistance(system.settings.hueWeight));
    if (!cubeMessage.empty()) return arguments.picture + ": " + cubeMessage;
    chart::paintCodeColours(model, system.table);
    model.source = chart::chartBitmap(model);
    edit::recountCube(model);
    chart::ReductionResult counted;
    counted.success = true;
    counted.colours = chart::countColoursInUse(model, system.table);
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
