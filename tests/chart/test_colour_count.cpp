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

std::tuple<std::string, std::string, int, int, int, int> rowOf(const ChartModel& model, int i) {
    const ColourListRow& r = model.colourList.rows[static_cast<std::size_t>(i)];
    return {r.symbol, r.code, r.count, r.r, r.g, r.b};
}

TEST(ColourCount, RowsFollowTheFirstCubeCellAndWhiteUsesUpItsSymbol) {
    auto table = chart_test::cornerTable();  // 0 W, 4 R, 7 K
    table[0].symbol = "stale";
    ChartModel model = cubeModel({2, 2, 2}, {{{0, 0, 0}, {5, 0}}, {{1, 0, 0}, {2, 4}}, {{1, 1, 1}, {3, 7}}});
    EXPECT_EQ(countColoursInUse(model, table), 3);
    EXPECT_EQ(rowOf(model, 0), std::make_tuple(" ", "W", 5, 255, 255, 255));
    // Row 1 takes row 1's symbol: row 0's went unused with white.
    EXPECT_EQ(rowOf(model, 1), std::make_tuple("☆", "R", 2, 255, 0, 0));
    EXPECT_EQ(rowOf(model, 2), std::make_tuple("○", "K", 3, 0, 0, 0));
    EXPECT_EQ(rowOf(model, 3), std::make_tuple(" ", " ", 0, 0, 0, 0));
    EXPECT_EQ(std::make_tuple(table[0].symbol, table[4].symbol, table[1].symbol), std::make_tuple(" ", "☆", ""));
}

TEST(ColourCount, CellWithoutCodeColourCountsAsWhiteWithoutCodeOrName) {
    auto table = chart_test::cornerTable();
    ChartModel model = cubeModel({2, 2, 2}, {{{0, 0, 0}, {3, -2}}, {{0, 0, 1}, {2, 6}}, {{1, 1, 1}, {4, 0}}});
    EXPECT_EQ(countColoursInUse(model, table), 2);
    // The real white joins the row.
    EXPECT_EQ(rowOf(model, 0), std::make_tuple(" ", "", 7, 255, 255, 255));
    EXPECT_EQ(model.colourList.rows[0].name, "");
}
