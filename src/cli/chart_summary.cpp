#include "cli/chart_summary.h"

#include "cli/json.h"

namespace cli {
namespace {

std::string member(std::string_view name, const std::string& value) {
    return jsonString(name) + ":" + value;
}

std::string number(int value) { return std::to_string(value); }
std::string boolean(bool value) { return value ? "true" : "false"; }

}  // namespace

std::string chartSummaryJson(const chart::ChartModel& model, const chart::ReductionResult& reduction,
                             std::string_view cubeItem) {
    const chart::LevelCounts& levels = model.cube.levels;
    const std::string members[] = {
        member("columns", number(model.columns)),
        member("rows", number(model.rows)),
        member("colours", number(reduction.colours)),
        member("reduced", boolean(reduction.merged)),
        member("system", jsonString(model.options.codeSystem)),
        member("max", number(model.options.maxColours)),
        member("smooth", boolean(model.options.smoothing)),
        member("boundary", boolean(model.options.boundary)),
        member("cube", jsonString(cubeItem)),
        member("levels", "[" + number(levels.red) + "," + number(levels.green) + "," + number(levels.blue) + "]"),
        member("cell_width", number(model.cellWidth)),
        member("cell_height", number(model.cellHeight)),
        member("width", number(model.source.width())),
        member("height", number(model.source.height())),
    };
    std::string json = "{";
    for (const std::string& m : members) {
        if (json.size() > 1) json += ",";
        json += m;
    }
    // Named only when on, so that a summary of the usual choice stays as it always was.
    if (model.options.appearance) json += "," + member("appearance", boolean(true));
    json += "}\n";
    return json;
}

}  // namespace cli
