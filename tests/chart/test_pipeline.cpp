#include "chart/pipeline.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

// Four flat quarters: red, green, blue and a dark grey.
Bitmap quarters(int size) {
    Bitmap picture(size, size, Rgb{40, 40, 40});
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            if (x < size / 2 && y < size / 2) picture.set(x, y, Rgb{250, 5, 5});
            if (x >= size / 2 && y < size / 2) picture.set(x, y, Rgb{5, 250, 5});
            if (x < size / 2 && y >= size / 2) picture.set(x, y, Rgb{5, 5, 250});
        }
    }
    return picture;
}

ChartRequest request(int maxColours) {
    ChartRequest r;
    r.codeSystem = "corners";
    r.levels = LevelCounts{8, 8, 8};
    r.maxColours = maxColours;
    r.smoothing = true;
    return r;
}

}  // namespace

TEST(Pipeline, MakesAChartInCodeColoursAndRecordsItsOptions) {
    auto table = chart_test::cornerTable();
    ChartModel model = chart_test::modelFor(quarters(48), 3, 3);
    const auto outcome = makeChart(model, table, request(10));
    ASSERT_EQ(outcome.message, "");
    EXPECT_TRUE(outcome.reduction.success);
    EXPECT_FALSE(outcome.reduction.merged);
    EXPECT_EQ(outcome.reduction.colours, 4);
    EXPECT_EQ(model.columns, 16);
    EXPECT_EQ(model.rows, 16);
    EXPECT_EQ(model.cellColour(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(model.cellColour(15, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(model.cellColour(0, 15), (Rgb{0, 0, 255}));
    EXPECT_EQ(model.cellColour(15, 15), (Rgb{0, 0, 0}));
    EXPECT_EQ(model.options.codeSystem, "corners");
    EXPECT_EQ(model.options.maxColours, 10);
    EXPECT_TRUE(model.options.smoothing);
    EXPECT_FALSE(model.cube.rebuildCodes);
}

TEST(Pipeline, FailedReductionKeepsTheCubeColours) {
    auto table = chart_test::cornerTable();
    ChartModel model = chart_test::modelFor(quarters(48), 3, 3);
    const auto outcome = makeChart(model, table, request(1));
    ASSERT_EQ(outcome.message, "");
    EXPECT_FALSE(outcome.reduction.success);
    EXPECT_EQ(outcome.reduction.colours, 4);
    EXPECT_EQ(model.cellColour(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(model.cellColour(15, 15), (Rgb{36, 36, 36}));  // the level colour, not black
}

TEST(Pipeline, RefusesWhatCannotMakeAChart) {
    auto table = chart_test::cornerTable();
    palette::ColourTable empty;
    const ChartModel fresh = chart_test::modelFor(quarters(48), 3, 3);

    ChartModel model = fresh;
    EXPECT_NE(makeChart(model, empty, request(10)).message, "");
    model = fresh;
    EXPECT_NE(makeChart(model, table, request(0)).message, "");
    model = fresh;
    auto oneLevel = request(10);
    oneLevel.levels = LevelCounts{1, 1, 1};
    EXPECT_NE(makeChart(model, table, oneLevel).message, "");
    EXPECT_EQ(model.cube.codes.size(), 1u);  // refused before the cube was built
    model = fresh;
    model.displayWidth = 201 * 3;
    EXPECT_NE(makeChart(model, table, request(10)).message, "");
    model = fresh;
    model.source = Bitmap();
    EXPECT_NE(makeChart(model, table, request(10)).message, "");
    // Cube codes are 16-bit: a longer table would send cells to wrapped, wrong entries.
    model = fresh;
    palette::ColourTable huge(32768, chart_test::entry("K", 0, 0, 0));
    EXPECT_NE(makeChart(model, huge, request(10)).message, "");
}
