#include "cli/chart_files.h"

#include "chart/code_painting.h"
#include "cli/csv.h"

#include <algorithm>
#include <vector>

namespace cli {

std::string codesCsv(const chart::ChartModel& model, const palette::ColourTable& table) {
    std::string text;
    std::vector<std::string> fields(static_cast<std::size_t>(model.columns));
    for (int row = 0; row < model.rows; ++row) {
        for (int column = 0; column < model.columns; ++column) {
            const palette::ColourEntry* entry = chart::cellEntry(model, table, column, row);
            fields[static_cast<std::size_t>(column)] = entry ? entry->code : std::string();
        }
        text += csvLine(fields);
    }
    return text;
}

std::string keyCsv(const chart::ChartModel& model) {
    std::string text = csvLine({"symbol", "code", "name", "count", "R", "G", "B"});
    const int shown = std::min(model.colourList.coloursInUse, chart::kColourListRows);
    for (int i = 0; i < shown; ++i) {
        const chart::ColourListRow& row = model.colourList.rows[static_cast<std::size_t>(i)];
        text += csvLine({row.symbol, row.code, row.name, std::to_string(row.count), std::to_string(row.r),
                         std::to_string(row.g), std::to_string(row.b)});
    }
    return text;
}

}  // namespace cli
