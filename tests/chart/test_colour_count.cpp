#include "chart/colour_count.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

// A model whose 2-level cube has the given counts and codes, offsets in red-green-blue order.
ChartModel cubeModel(LevelCounts levels, const std::vector<std::pair<CubeCell, std::pair<int, int>>>& cells) {
    ChartModel model;
    model.cube.levels = levels;
    model.cube.counts = CubeArray<std::int32_t>(levels, 0);
    model.cube.codes = CubeArray<std::int16_t>(levels, kNoCode);
    for (const auto& [cell, countAndCode] : cells) {
        model.cube.counts.at(cell) = countAndCode.first;
        model.cube.codes.at(cell) = static_cast<std::int16_t>(countAndCode.second);
    }
    return model;
}

}  // namespace

TEST(ColourCount, RowsFollowTheFirstCubeCellAndWhiteUsesUpItsSymbol) {
    auto table = chart_test::cornerTable();  // 0 W, 4 R, 7 K
    table[0].symbol = "stale";
    ChartModel model = cubeModel({2, 2, 2}, {{{0, 0, 0}, {5, 0}}, {{1, 0, 0}, {2, 4}}, {{1, 1, 1}, {3, 7}}});
    EXPECT_EQ(countColoursInUse(model, table), 3);
    const auto& rows = model.colourList.rows;
    EXPECT_EQ(rows[0].code, "W");
    EXPECT_EQ(rows[0].symbol, " ");
    EXPECT_EQ(rows[0].count, 5);
    EXPECT_EQ(rows[1].code, "R");
    EXPECT_EQ(rows[1].symbol, "☆");  // row 1's symbol: row 0's went unused with white
    EXPECT_EQ(std::tie(rows[1].r, rows[1].g, rows[1].b), std::make_tuple(255, 0, 0));
    EXPECT_EQ(rows[2].symbol, "○");
    EXPECT_EQ(rows[3].symbol, " ");
    EXPECT_EQ(rows[3].code, " ");
    EXPECT_EQ(rows[3].count, 0);
    EXPECT_EQ(table[0].symbol, " ");
    EXPECT_EQ(table[4].symbol, "☆");
    EXPECT_EQ(table[1].symbol, "");
}

TEST(ColourCount, CellWithoutCodeColourCountsAsWhiteWithoutCodeOrName) {
    auto table = chart_test::cornerTable();
    ChartModel model = cubeModel({2, 2, 2}, {{{0, 0, 0}, {3, -2}}, {{0, 0, 1}, {2, 6}}, {{1, 1, 1}, {4, 0}}});
    EXPECT_EQ(countColoursInUse(model, table), 2);
    const auto& white = model.colourList.rows[0];
    EXPECT_EQ(white.symbol, " ");
    EXPECT_EQ(white.code, "");
    EXPECT_EQ(white.name, "");
    EXPECT_EQ(white.count, 7);  // the real white joined the row
    EXPECT_EQ(std::tie(white.r, white.g, white.b), std::make_tuple(255, 255, 255));
}

TEST(ColourCount, OnlyFiftySixRowsAreKeptButEveryColourCounts) {
    palette::ColourTable table;
    for (int i = 0; i < 60; ++i) table.push_back(chart_test::entry(std::to_string(i), i, 0, 0));
    std::vector<std::pair<CubeCell, std::pair<int, int>>> cells;
    for (int i = 0; i < 64; ++i) cells.push_back({CubeCell{i / 16, (i / 4) % 4, i % 4}, {i + 1, i % 60}});
    ChartModel model = cubeModel({4, 4, 4}, cells);
    // Cells 60..63 reuse colours 0..3, so rows 0..3 collect two counts each.
    EXPECT_EQ(countColoursInUse(model, table), 60);
    EXPECT_EQ(model.colourList.rows[0].count, 1 + 61);
    EXPECT_EQ(model.colourList.rows[55].count, 56);
    EXPECT_EQ(model.colourList.rows[55].symbol, "古");
    EXPECT_EQ(table[56].symbol, "");
}
