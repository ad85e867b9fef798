#pragma once

#include "chart/chart_model.h"
#include "chart/code_painting.h"
#include "chart/chart_test_support.h"
#include "edit/pen.h"

#include <string>
#include <vector>

// Small charts drawn as text for the editing tests.
namespace edit_test {

// The packed cube cell of a corner colour's letter in the eight-corner table; empty for any other.
inline std::int32_t packedOf(char letter) {
    for (const palette::ColourEntry& e : chart_test::cornerTable()) {
        if (e.code == std::string(1, letter)) return chart::pack(e.r > 0, e.g > 0, e.b > 0);
    }
    return chart::kEmptyCell;
}

// A finished chart of 2 x 2 pixel cells over the corner table, one string a row, '.' an empty cell.
inline chart::ChartModel chartOf(const std::vector<std::string>& rows, const palette::ColourTable& table) {
    chart::ChartModel model = chart_test::modelWithCube(chart::LevelCounts{2, 2, 2});
    model.cellWidth = 2;
    model.cellHeight = 2;
    model.rows = static_cast<int>(rows.size());
    model.columns = static_cast<int>(rows.front().size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        model.cube.codes.at(chart::unpack(packedOf(table[i].code[0]))) = static_cast<std::int16_t>(i);
    }
    for (int row = 0; row < model.rows; ++row) {
        for (int column = 0; column < model.columns; ++column) {
            model.cell(column, row) = packedOf(rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        }
    }
    chart::paintCodeColours(model, table);
    return model;
}

// Such a chart in an editing session whose pen was picked from the cell `pen`.
struct PaintingSession {
    PaintingSession(const std::vector<std::string>& rows, edit::CellPosition pen) : model(chartOf(rows, table)) {
        edit::pickPen(model, table, session, pen);
    }
    palette::ColourTable table = chart_test::cornerTable();
    chart::ChartModel model;
    edit::EditSession session;
};

}  // namespace edit_test
