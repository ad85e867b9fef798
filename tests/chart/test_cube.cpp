#include "chart/cube.h"
#include "chart/cube_size.h"
#include "chart/nearest_code.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

#include <array>

using namespace chart;

namespace {

QuantisationCube builtCube(int levels, const palette::ColourTable& table) {
    QuantisationCube cube;
    EXPECT_EQ(buildCube(cube, LevelCounts{levels, levels, levels}, table, ColourDistance(10)), "");
    return cube;
}

}  // namespace

TEST(CubeSize, SmallestItemAtLeastTheSystemsSizeElseTheLastAndTextsThatNameNone) {
    // A size of 0 is no size: the default's item.
    for (const auto& [size, item] : {std::pair<int, std::string_view>{512, "512"}, {0, "512"}, {8, "8"}, {300, "323"},
                                     {513, "729"}, {6000, "5832"}}) {
        EXPECT_EQ(selectCubeSizeItem(size).text, item) << size;
    }
    EXPECT_EQ(findCubeSizeItem("323")->levels, 7);
    // Texts that name no item.
    EXPECT_FALSE(findCubeSizeItem("343").has_value());
    EXPECT_FALSE(findCubeSizeItem(" 512").has_value());
}

TEST(Cube, PlainQuantiserRoundsHalvesToEven) {
    const auto cube = builtCube(8, chart_test::cornerTable());
    EXPECT_EQ(quantise(cube, Rgb{18, 54, 255}), (CubeCell{0, 2, 7}));
    EXPECT_EQ(quantise(cube, Rgb{19, 53, 250}), (CubeCell{1, 1, 7}));
}

TEST(Cube, CodesAreKeptUntilAskedForAgain) {
    auto table = chart_test::cornerTable();
    QuantisationCube cube = builtCube(2, table);
    EXPECT_EQ(cube.codes.at(1, 1, 1), 0);
    EXPECT_EQ(cube.codes.at(0, 0, 0), 7);
    // Builds the cube again over a planted code, so that a recomputation shows.
    const auto recomputed = [&](const palette::ColourTable& t, int weight, int levels, bool rebuild = false) {
        cube.rebuildCodes = rebuild;
        cube.codes.at(0, 0, 0) = 3;
        EXPECT_EQ(buildCube(cube, LevelCounts{levels, levels, levels}, t, ColourDistance(weight)), "");
        return cube.codes.at(0, 0, 0) != 3;
    };

    // Kept while the flag is clear and nothing they came from changed: another display colour is not
    // read by the search.
    table[7].name = "renamed";
    table[7].r = 10;
    EXPECT_FALSE(recomputed(table, 10, 2));
    EXPECT_TRUE(recomputed(table, 10, 2, true));
    EXPECT_EQ(cube.codes.at(0, 0, 0), 7);

    // With the flag clear, so does whatever would leave stale codes: another table (the old indices
    // would point past a shorter one), another hue weight, another shape.
    table.insert(table.begin(), chart_test::entry("W2", 255, 255, 255));
    EXPECT_TRUE(recomputed(table, 10, 2));
    EXPECT_EQ(cube.codes.at(0, 0, 0), 8);
    EXPECT_TRUE(recomputed(table, 12, 2));
    EXPECT_TRUE(recomputed(table, 12, 3));
    EXPECT_EQ(cube.codes.size(), 27u);
    EXPECT_FALSE(recomputed(table, 12, 3));
}

// Seen in the next cell: with two levels a value goes to level 1 only above 128.
TEST(Cube, DiffusionCarriesTheErrorOfThePreviousCellOnly) {
    struct Case {
        const char* what;
        std::vector<Rgb> before;
        Rgb last;
        CubeCell lastCell;
    };
    const Case cases[] = {
        // 120 goes to black and carries 120 div 15 = 8.
        {"carried error", {{120, 120, 120}}, {121, 121, 121}, {1, 1, 1}},
        {"the half goes to the even level", {{120, 120, 120}}, {120, 120, 120}, {0, 0, 0}},
        // 241 goes to red: (241 - 255) div 15 truncates to 0.
        {"negative error truncates toward zero", {{241, 0, 0}}, {129, 0, 0}, {1, 0, 0}},
        // Black shows its own colour exactly, so it passes nothing on, whatever it received.
        {"errors do not add up", {{120, 120, 120}, {0, 0, 0}}, {128, 128, 128}, {0, 0, 0}},
    };
    const auto table = chart_test::cornerTable();
    for (const Case& c : cases) {
        QuantisationCube cube = builtCube(2, table);
        for (Rgb colour : c.before) quantiseWithDiffusion(cube, table, colour);
        EXPECT_EQ(quantiseWithDiffusion(cube, table, c.last), c.lastCell) << c.what;
    }

    // A cube cell without a code colour has nothing to measure the error against and passes none.
    QuantisationCube cube = builtCube(2, table);
    cube.codes.at(0, 0, 0) = kEmptyWindow;
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{120, 120, 120}), (CubeCell{0, 0, 0}));
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{121, 121, 121}), (CubeCell{0, 0, 0}));
}

// Not the empty cells, not the grid beyond the chart, and not the reduction's merge marks.
TEST(Cube, RecountCountsTheFilledCellsOfTheChart) {
    constexpr std::int32_t red = pack(1, 0, 0), green = pack(0, 1, 0), blue = pack(0, 0, 1);
    ChartModel model = chart_test::modelWithCube(LevelCounts{2, 2, 2});
    model.columns = 3;
    model.rows = 2;
    const std::int32_t cells[2][3] = {{red, red, kEmptyCell}, {green, red, blue}};
    for (int row = 0; row < model.rows; ++row) {
        for (int column = 0; column < model.columns; ++column) model.cell(column, row) = cells[row][column];
    }
    model.cell(3, 0) = blue;
    CubeArray<std::int32_t>& counts = model.cube.counts;
    counts.at(0, 0, 0) = mergeMarker(red);
    counts.at(1, 1, 1) = 9;
    recountCube(model);
    EXPECT_EQ((std::array{counts.at(1, 0, 0), counts.at(0, 1, 0), counts.at(0, 0, 1), counts.at(0, 0, 0),
                          counts.at(1, 1, 1)}),
              (std::array{3, 1, 1, 0, 0}));
}
