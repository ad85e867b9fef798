#pragma once

#include "chart/chart_model.h"
#include "chart/code_painting.h"
#include "chart/chart_test_support.h"

#include <string>
#include <vector>

// Small charts drawn as text for the editing tests.
namespace edit_test {

// The packed index of a corner colour's cube cell, by its letter in the eight-corner table; an
// empty cell for any other character.
inline std::int32_t packedOf(char letter) {
    for (const palette::ColourEntry& e : chart_test::cornerTable()) {
        if (e.code == std::string(1, letter)) return chart::pack(e.r > 0, e.g > 0, e.b > 0);
    }
    return chart::kEmptyCell;
}

// A chart over the eight-corner table and a 2-level cube, so that every letter of the table names
// both a cube cell and its code colour. Each string is one row of cells; '.' is an empty cell. Cells
// are 2 x 2 pixels and painted in their code colours, as a finished chart is.
inline chart::ChartModel chartOf(const std::vector<std::string>& rows, const palette::ColourTable& table) {
    chart::ChartModel model;
    model.cellWidth = 2;
    model.cellHeight = 2;
    model.rows = static_cast<int>(rows.size());
    model.columns = static_cast<int>(rows.front().size());
    model.cube.levels = chart::LevelCounts{2, 2, 2};
    model.cube.counts = chart::CubeArray<std::int32_t>(model.cube.levels, 0);
    model.cube.codes = chart::CubeArray<std::int16_t>(model.cube.levels, chart::kNoCode);
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

}  // namespace edit_test
