#include "pattern/pattern_content.h"

#include "chart/colour_count.h"

#include <algorithm>
#include <unordered_map>

namespace pattern {
namespace {

// The title of the system the chart was made with, which another system chosen since leaves as it is.
std::string chartSystemTitle(const document::ChartDocument& document) {
    if (document.currentSystem() == document.chartSystem()) return document.system().settings.title;
    return palette::readCodeSystemSettings(document.settings().ini, document.chartSystem()).title;
}

}  // namespace

PatternContent patternContent(const document::ChartDocument& document) {
    const chart::ChartModel& model = document.model();
    PatternContent content;
    content.columns = model.columns;
    content.rows = model.rows;
    content.systemTitle = chartSystemTitle(document);
    content.fabric = document.fabric();

    // The colour list merges its rows by code colour, and every filled cell is painted in its code
    // colour, so a cell finds its row by its colour. That holds whatever system is current, whose
    // table the chart's codes need not index.
    std::unordered_map<std::int32_t, int> rowOfColour;
    const int inUse = std::min(model.colourList.coloursInUse, chart::kColourListRows);
    for (int i = 0; i < inUse; ++i) {
        const chart::ColourListRow& row = model.colourList.rows[static_cast<std::size_t>(i)];
        // White carries no symbol in the chart's list: its cells are cloth left bare, which no key
        // row lists and every page leaves empty.
        if (row.code.empty() || row.symbol.find_first_not_of(' ') == std::string::npos) continue;
        palette::ColourEntry entry;
        entry.code = row.code;
        entry.name = row.name;
        entry.r = row.r;
        entry.g = row.g;
        entry.b = row.b;
        entry.symbol = row.symbol;
        rowOfColour.emplace(chart::colourValue(row.r, row.g, row.b), static_cast<int>(content.key.size()));
        content.key.push_back(KeyColour{std::move(entry), row.count});
    }

    content.cells.assign(static_cast<std::size_t>(model.columns) * model.rows, kNoKeyRow);
    for (int y = 0; y < model.rows; ++y) {
        for (int x = 0; x < model.columns; ++x) {
            if (model.cell(x, y) < 0) continue;
            const chart::Rgb colour = model.cellColour(x, y);
            const auto found = rowOfColour.find(chart::colourValue(colour.r, colour.g, colour.b));
            if (found != rowOfColour.end()) content.cells[static_cast<std::size_t>(y * model.columns + x)] = found->second;
        }
    }
    return content;
}

}  // namespace pattern
