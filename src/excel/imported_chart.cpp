#include "excel/imported_chart.h"

#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/cube.h"
#include "platform/failure.h"

namespace excel {

SettledChart settleImportedChart(chart::ChartModel& model, palette::LoadedCodeSystem& system) {
    const std::string refused =
        chart::buildCube(model.cube, model.cube.levels, system.table, chart::ColourDistance(system.settings.hueWeight));
    if (!refused.empty()) return platform::failure<SettledChart>(refused);
    chart::paintCodeColours(model, system.table);
    model.source = chart::chartBitmap(model);
    chart::recountCube(model);
    SettledChart settled;
    settled.colours = chart::countColoursInUse(model, system.table);
    return settled;
}

}  // namespace excel
