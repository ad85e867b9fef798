#include "chart/colour_count.h"
#include "chart/nearest_code.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

// A model whose 2-level cube holds the given count and code per cell.
ChartModel cubeModel(const std::vector<std::tuple<CubeCell, int, int>>& cells) {
    ChartModel model = chart_test::modelWithCube(LevelCounts{2, 2, 2});
    for (const auto& [cell, count, code] : cells) {
        model.cube.counts.at(cell) = count;
        model.cube.codes.at(cell) = static_cast<std::int16_t>(code);
    }
    return model;
}

std::tuple<std::string, std::string, int, int, int, int> rowOf(const ChartModel& model, int i) {
    const ColourListRow& r = model.colourList.rows[static_cast<std::size_t>(i)];
    return {r.symbol, r.code, r.count, r.r, r.g, r.b};
}

}  // namespace

// A cube cell without a code colour shows as white; white takes a row but no symbol.
TEST(ColourCount, RowsInCubeOrderAndWhiteUsesUpItsSymbol) {
    auto table = chart_test::cornerTable();  // 0 W, 4 R, 6 B
    table[0].symbol = "stale";
    ChartModel model =
        cubeModel({{{0, 0, 0}, 3, kEmptyWindow}, {{0, 0, 1}, 2, 6}, {{1, 0, 0}, 4, 4}, {{1, 1, 1}, 5, 0}});
    EXPECT_EQ(countColoursInUse(model, table), 3);
    EXPECT_EQ(rowOf(model, 0), std::make_tuple(" ", "", 3 + 5, 255, 255, 255));  // the real white joins it
    EXPECT_EQ(model.colourList.rows[0].name, "");
    EXPECT_EQ(rowOf(model, 1), std::make_tuple("☆", "B", 2, 0, 0, 255));
    EXPECT_EQ(rowOf(model, 2), std::make_tuple("○", "R", 4, 255, 0, 0));
    EXPECT_EQ(rowOf(model, 3), std::make_tuple(" ", " ", 0, 0, 0, 0));
    EXPECT_EQ(std::make_tuple(table[0].symbol, table[6].symbol, table[4].symbol), std::make_tuple("", "☆", "○"));
}
