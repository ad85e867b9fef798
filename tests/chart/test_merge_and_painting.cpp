#include "chart/code_painting.h"
#include "chart/merge_pass.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace chart;

namespace {

constexpr Rgb kMarked{1, 2, 3};

// A 2-level cube with level values 0 and 255, a 3 x 2 chart and one untouched cell beyond it.
ChartModel smallChart() {
    ChartModel model = chart_test::modelWithCube(LevelCounts{2, 2, 2});
    for (auto& channel : model.cube.levelValues) channel[1] = 255;
    model.columns = 3;
    model.rows = 2;
    std::fill(model.grid.begin(), model.grid.end(), pack(1, 1, 1));
    std::fill(model.picture.begin(), model.picture.end(), kMarked);
    model.cube.counts.at(1, 1, 1) = 6;
    return model;
}

}  // namespace

TEST(MergePass, CellsFollowTheChainToItsEndAndTakeItsLevelColour) {
    ChartModel model = smallChart();
    model.cell(2, 1) = kEmptyCell;
    // (1,1,1) -> (1,0,0) -> (0,1,0) -> (0,0,1), which holds the count: a merge pass of several rare
    // thresholds can leave chains this long.
    model.cube.counts.at(1, 1, 1) = mergeMarker(pack(1, 0, 0));
    model.cube.counts.at(1, 0, 0) = mergeMarker(pack(0, 1, 0));
    model.cube.counts.at(0, 1, 0) = mergeMarker(pack(0, 0, 1));
    model.cube.counts.at(0, 0, 1) = 6;
    applyMerges(model);
    EXPECT_EQ(model.cell(0, 0), pack(0, 0, 1));
    EXPECT_EQ(model.cellColour(1, 1), (Rgb{0, 0, 255}));
    // Empty cells, and cells beyond the chart's columns and rows, are not touched.
    EXPECT_EQ(model.cell(2, 1), kEmptyCell);
    EXPECT_EQ(model.cellColour(2, 1), kMarked);
    EXPECT_EQ(model.cell(3, 0), pack(1, 1, 1));
    EXPECT_EQ(model.cellColour(0, 2), kMarked);

    // An unmerged chart is neither changed nor repainted.
    ChartModel unmerged = smallChart();
    applyMerges(unmerged);
    EXPECT_EQ(unmerged.cell(0, 0), pack(1, 1, 1));
    EXPECT_EQ(unmerged.cellColour(0, 0), kMarked);
}

TEST(CodePainting, CellsTakeTheirCodeColourAndCellsWithoutOneBecomeEmptyAndWhite) {
    const auto table = chart_test::cornerTable();
    ChartModel model = smallChart();
    model.cube.codes.at(1, 1, 1) = 4;  // red
    model.cube.codes.at(0, 0, 0) = -2;
    model.cell(1, 0) = pack(0, 0, 0);
    model.cell(2, 0) = kEmptyCell;
    paintCodeColours(model, table);
    EXPECT_EQ(model.cellColour(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(model.cell(1, 0), kEmptyCell);
    EXPECT_EQ(model.cellColour(1, 0), kWhite);
    EXPECT_EQ(model.cellColour(2, 0), kMarked);  // empty cells keep what was drawn
    EXPECT_EQ(model.cellColour(0, 2), kMarked);  // beyond the chart

    const Bitmap icon = iconBitmap(model);
    EXPECT_EQ(icon.width(), 3);
    EXPECT_EQ(icon.height(), 2);
    EXPECT_EQ(icon.at(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(icon.at(1, 0), kWhite);
    EXPECT_EQ(icon.at(2, 0), kWhite);
}
