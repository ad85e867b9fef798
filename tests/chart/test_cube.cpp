#include "chart/cube.h"
#include "chart/cube_size.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

QuantisationCube builtCube(int levels, const palette::ColourTable& table) {
    QuantisationCube cube;
    EXPECT_EQ(buildCube(cube, LevelCounts{levels, levels, levels}, table, ColourDistance(10)), "");
    return cube;
}

}  // namespace

TEST(CubeSize, SmallestItemAtLeastTheSystemsSize) {
    EXPECT_EQ(selectCubeSizeItem(512), "512");
    EXPECT_EQ(selectCubeSizeItem(0), "512");
    EXPECT_EQ(selectCubeSizeItem(8), "8");
    EXPECT_EQ(selectCubeSizeItem(300), "323");
    EXPECT_EQ(selectCubeSizeItem(513), "729");
    EXPECT_EQ(selectCubeSizeItem(6000), "5832");
}

TEST(CubeSize, ItemTextsGiveLevelsAndNumbers) {
    EXPECT_EQ(levelsForCubeSize("323"), 7);
    EXPECT_EQ(levelsForCubeSize("5832"), 18);
    EXPECT_EQ(levelsForCubeSize("8000"), 20);
    EXPECT_FALSE(levelsForCubeSize("343").has_value());
    EXPECT_FALSE(levelsForCubeSize(" 512").has_value());
    EXPECT_EQ(cubeSizeNumber("323"), 323);
    EXPECT_EQ(cubeSizeNumber("abc"), 512);
}

TEST(Cube, LevelValuesAreEvenStepsEndingAt255) {
    const auto table = chart_test::cornerTable();
    const auto eight = builtCube(8, table);
    EXPECT_EQ((std::vector<int>(eight.levelValues[0].begin(), eight.levelValues[0].begin() + 9)),
              (std::vector<int>{0, 36, 72, 108, 144, 180, 216, 255, 0}));
    const auto seven = builtCube(7, table);
    EXPECT_EQ((std::vector<int>(seven.levelValues[2].begin(), seven.levelValues[2].begin() + 7)),
              (std::vector<int>{0, 42, 84, 126, 168, 210, 255}));
    EXPECT_EQ(builtCube(2, table).levelValues[1][1], 255);
    EXPECT_EQ(builtCube(18, table).levelValues[0][16], 240);
}

TEST(Cube, LevelCountsOutsideTwoToTwentyAreRefusedBeforeAnythingChanges) {
    QuantisationCube cube;
    const auto table = chart_test::cornerTable();
    EXPECT_NE(buildCube(cube, LevelCounts{1, 1, 1}, table, ColourDistance(10)), "");
    EXPECT_NE(buildCube(cube, LevelCounts{8, 8, 21}, table, ColourDistance(10)), "");
    EXPECT_EQ(cube.codes.atOffset(0), kNoCode);
    EXPECT_EQ(cube.codes.size(), 1u);
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

    // Kept while the flag is clear and nothing they came from changed: another display colour is not
    // read by the search.
    cube.rebuildCodes = false;
    cube.codes.at(0, 0, 0) = 3;  // so that a recomputation would show
    table[7].name = "renamed";
    table[7].r = 10;
    ASSERT_EQ(buildCube(cube, LevelCounts{2, 2, 2}, table, ColourDistance(10)), "");
    EXPECT_EQ(cube.codes.at(0, 0, 0), 3);
    // The flag recomputes them.
    cube.rebuildCodes = true;
    ASSERT_EQ(buildCube(cube, LevelCounts{2, 2, 2}, table, ColourDistance(10)), "");
    EXPECT_EQ(cube.codes.at(0, 0, 0), 7);

    // With the flag clear, so does whatever would leave stale codes: another table (the old indices
    // would point past a shorter one), another hue weight, another shape.
    const auto recomputed = [&](const palette::ColourTable& t, int weight, int levels) {
        cube.rebuildCodes = false;
        cube.codes.at(0, 0, 0) = 3;
        EXPECT_EQ(buildCube(cube, LevelCounts{levels, levels, levels}, t, ColourDistance(weight)), "");
        return cube.codes.at(0, 0, 0) != 3;
    };
    table.insert(table.begin(), chart_test::entry("W2", 255, 255, 255));
    EXPECT_TRUE(recomputed(table, 10, 2));
    EXPECT_EQ(cube.codes.at(0, 0, 0), 8);
    EXPECT_TRUE(recomputed(table, 12, 2));
    EXPECT_TRUE(recomputed(table, 12, 3));
    EXPECT_EQ(cube.codes.size(), 27u);
    EXPECT_FALSE(recomputed(table, 12, 3));
}

TEST(Cube, DiffusionCarriesTheErrorOfThePreviousCellOnly) {
    const auto table = chart_test::cornerTable();
    QuantisationCube cube = builtCube(2, table);
    // Own colour equals the code colour: nothing is carried.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{255, 0, 0}), (CubeCell{1, 0, 0}));
    EXPECT_EQ(cube.carry, (std::array<int, 3>{0, 0, 0}));
    // (100, 100, 100) goes to black: the carry is 100 div 15 = 6 per channel.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{100, 100, 100}), (CubeCell{0, 0, 0}));
    EXPECT_EQ(cube.carry, (std::array<int, 3>{6, 6, 6}));
    // 122 + 6 = 128 is half a step (256): the half goes to the even level 0.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{122, 0, 0}), (CubeCell{0, 0, 0}));
    EXPECT_EQ(cube.carry, (std::array<int, 3>{8, 0, 0}));
    // Negative errors truncate toward zero.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{241, 0, 0}), (CubeCell{1, 0, 0}));
    EXPECT_EQ(cube.carry, (std::array<int, 3>{0, 0, 0}));  // (241 - 255) / 15 = 0
}

TEST(Cube, DiffusionAbove255ScalesTheWholeColourDown) {
    // Three levels: step 128. A carry of +17 pushes 250 to 267; the colour is scaled so that 267 -> 255.
    const palette::ColourTable table{chart_test::entry("K", 0, 0, 0)};
    QuantisationCube cube = builtCube(3, table);
    cube.carry = {17, 17, 17};
    // 267 -> 255 (level 2); 77 -> rnd(77 / 267 * 255) = 74 -> level 1 (74/128 = 0.58); 0 + 17 = 17 -> 16 -> level 0.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{250, 60, 0}), (CubeCell{2, 1, 0}));
}

TEST(Cube, DiffusionBelowZeroLiftsTheColourFromTheBottom) {
    const palette::ColourTable table{chart_test::entry("W", 255, 255, 255)};
    QuantisationCube cube = builtCube(3, table);
    cube.carry = {-17, -17, -17};
    // (-7, 113, 183): mn = -7; -7 -> 0, 113 -> 255 - rnd(142 / 262 * 255) = 117, 183 -> 255 - rnd(72 / 262 * 255) = 185.
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{10, 130, 200}), (CubeCell{0, 1, 1}));
}

TEST(Cube, DiffusionIntoACellWithoutCodePassesNoCarry) {
    const auto table = chart_test::cornerTable();
    QuantisationCube cube = builtCube(2, table);
    cube.codes.at(0, 0, 0) = -2;
    cube.carry = {5, 5, 5};
    EXPECT_EQ(quantiseWithDiffusion(cube, table, Rgb{60, 60, 60}), (CubeCell{0, 0, 0}));
    EXPECT_EQ(cube.carry, (std::array<int, 3>{0, 0, 0}));
}
