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
    return ChartRequest{"corners", LevelCounts{8, 8, 8}, palette::kDefaultHueWeight, maxColours, true, false};
}

}  // namespace

TEST(Pipeline, MakesAChartInCodeColoursAndRecordsItsOptions) {
    auto table = chart_test::cornerTable();
    ChartModel model = chart_test::modelFor(quarters(48), 3, 3);
    const auto outcome = makeChart(model, table, request(10));
    ASSERT_EQ(outcome.message, "");
    EXPECT_EQ(std::make_tuple(outcome.reduction.success, outcome.reduction.merged, outcome.reduction.colours),
              std::make_tuple(true, false, 4));
    EXPECT_EQ(std::make_pair(model.columns, model.rows), std::make_pair(16, 16));
    // The four quarters in the corners' code colours; the dark grey is black's.
    EXPECT_EQ((std::array{model.cellColour(0, 0), model.cellColour(15, 0), model.cellColour(0, 15), model.cellColour(15, 15)}),
              (std::array{Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255}, Rgb{0, 0, 0}}));
    EXPECT_EQ(std::make_tuple(model.options.codeSystem, model.options.maxColours, model.options.smoothing),
              std::make_tuple("corners", 10, true));
    EXPECT_FALSE(model.cube.rebuildCodes);
}

// Each refusal is checked before anything changes: the model keeps its unbuilt cube and no cells.
TEST(Pipeline, RefusesWhatCannotMakeAChart) {
    struct Case {
        const char* what;
        void (*spoil)(ChartModel&, palette::ColourTable&, ChartRequest&);
    };
    const Case cases[] = {
        {"empty table", [](ChartModel&, palette::ColourTable& t, ChartRequest&) { t.clear(); }},
        // Cube codes are 16-bit: a longer table would send cells to wrapped, wrong entries.
        {"table too long", [](ChartModel&, palette::ColourTable& t, ChartRequest&) { t.resize(32768, t[0]); }},
        {"no colours", [](ChartModel&, palette::ColourTable&, ChartRequest& r) { r.maxColours = 0; }},
        {"one level", [](ChartModel&, palette::ColourTable&, ChartRequest& r) { r.levels.blue = 1; }},
        {"too many cells", [](ChartModel& m, palette::ColourTable&, ChartRequest&) { m.displayWidth = 201 * 3; }},
        {"too few cells", [](ChartModel& m, palette::ColourTable&, ChartRequest&) { m.displayHeight = 7 * 3; }},
        {"no picture", [](ChartModel& m, palette::ColourTable&, ChartRequest&) { m.source = Bitmap(); }},
    };
    for (const Case& c : cases) {
        auto table = chart_test::cornerTable();
        ChartModel model = chart_test::modelFor(quarters(48), 3, 3);
        ChartRequest r = request(10);
        c.spoil(model, table, r);
        EXPECT_NE(makeChart(model, table, r).message, "") << c.what;
        EXPECT_EQ(model.columns, 0) << c.what;
        EXPECT_EQ(model.cube.codes.size(), 1u) << c.what;
    }
}
