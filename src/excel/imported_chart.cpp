#include "excel/imported_chart.h"

#include "chart/appearance_choice.h"
#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/cube.h"
#include "platform/failure.h"

#include <algorithm>

namespace excel {
namespace {

// A chart whose threads were chosen for its look takes each cube cell's code from the colour recorded
// for its first cell: the first entry of the table that shows that colour, as the choice took it. A
// colour that no entry shows leaves the nearest code.
void takeRecordedCodes(chart::ChartModel& model, const palette::ColourTable& table) {
    std::vector<std::pair<std::int32_t, int>> codes;
    std::vector<std::int32_t> settled;
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            const std::int32_t packed = model.cell(column, row);
            if (packed < 0 || std::find(settled.begin(), settled.end(), packed) != settled.end()) continue;
            settled.push_back(packed);
            const chart::Rgb recorded = model.cellColour(column, row);
            const auto shows = [&recorded](const palette::ColourEntry& e) {
                return e.r == recorded.r && e.g == recorded.g && e.b == recorded.b;
            };
            const auto entry = std::find_if(table.begin(), table.end(), shows);
            if (entry != table.end()) codes.emplace_back(packed, static_cast<int>(entry - table.begin()));
        }
    }
    chart::keepChosenCodes(model.cube, codes);
}

}  // namespace

SettledChart settleImportedChart(chart::ChartModel& model, palette::LoadedCodeSystem& system) {
    const std::string refused =
        chart::buildCube(model.cube, model.cube.levels, system.table, chart::ColourDistance(system.settings.hueWeight));
    if (!refused.empty()) return platform::failure<SettledChart>(refused);
    if (model.options.appearance) takeRecordedCodes(model, system.table);
    chart::paintCodeColours(model, system.table);
    model.source = chart::chartBitmap(model);
    chart::recountCube(model);
    SettledChart settled;
    settled.colours = chart::countColoursInUse(model, system.table);
    return settled;
}

}  // namespace excel
