#include "chart/reduction.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

struct CountedCell {
    CubeCell cell;
    int count;
};

// An 18-level cube in which listed cell i is counted as given and has code colour entry i.
struct ReductionFixture {
    explicit ReductionFixture(const std::vector<CountedCell>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            table.push_back(chart_test::entry("c" + std::to_string(i), static_cast<int>(i) * 20, 100, 50));
            model.cube.counts.at(cells[i].cell) = cells[i].count;
            model.cube.codes.at(cells[i].cell) = static_cast<std::int16_t>(i);
        }
    }

    ReductionResult reduce(int maxColours) { return reduceColours(model, table, ColourDistance(10), maxColours); }
    std::int32_t count(CubeCell c) const { return model.cube.counts.at(c); }

    ChartModel model = chart_test::modelWithCube(LevelCounts{18, 18, 18});
    palette::ColourTable table;
};

}  // namespace

TEST(Reduction, RareCellMergesIntoACloseFrequentOne) {
    // Pivot 40 (the smaller of the two most used): rare below 60, partners from 60 up.
    ReductionFixture f({{{5, 5, 5}, 100}, {{5, 5, 6}, 1}, {{0, 17, 0}, 40}});
    const auto result = f.reduce(2);
    EXPECT_EQ(std::make_tuple(result.success, result.merged, result.colours), std::make_tuple(true, true, 2));
    EXPECT_EQ(f.count({5, 5, 5}), 101);
    EXPECT_LT(f.count({5, 5, 6}), 0);
    EXPECT_EQ(f.count({0, 17, 0}), 40);  // too far from everything
    EXPECT_EQ(f.model.colourList.rows[0].code, "c2");
    EXPECT_EQ(f.model.colourList.rows[1].code, "c0");
}

TEST(Reduction, ThresholdsRiseFromOneAndAHalfToThreeTimesThePivot) {
    // Pivot 37: thresholds 55, 67, 79, 91, 103. The cell counted 95 becomes rare only at 103, and then
    // joins its close neighbour counted 200; the others are far from every partner.
    ReductionFixture f({{{0, 0, 17}, 10}, {{17, 0, 0}, 37}, {{17, 17, 16}, 95}, {{17, 17, 17}, 200}, {{0, 17, 0}, 500}});
    const auto result = f.reduce(4);
    EXPECT_EQ(std::make_pair(result.success, result.colours), std::make_pair(true, 4));
    EXPECT_EQ(f.count({17, 17, 17}), 295);
}

TEST(Reduction, NoPartnerInReachFailsWithTheCellsStillInUse) {
    ReductionFixture f({{{0, 0, 17}, 10}, {{17, 0, 0}, 37}, {{0, 17, 0}, 500}});
    const auto result = f.reduce(2);
    EXPECT_EQ(std::make_tuple(result.success, result.merged, result.colours), std::make_tuple(false, true, 3));
    // A single colour can never be reached: partners would need one and a half times the top count.
    ReductionFixture close({{{5, 5, 5}, 100}, {{5, 5, 6}, 1}});
    EXPECT_FALSE(close.reduce(1).success);
}

// Two equal partners at the same distance from a rare cell (pivot 20): the key "%.6d:r:g:b" decides.
TEST(Reduction, EqualCountsTryThePartnerWhoseKeySortsLaterFirst) {
    struct Case {
        const char* what;
        CubeCell earlier, later, rare;
    };
    const Case cases[] = {
        {"000100:5:5:4 before 000100:5:5:6", {5, 5, 4}, {5, 5, 6}, {5, 5, 5}},
        // Both at a truncated distance of 13; ':' sorts before '0'.
        {"000100:1:2:5 before 000100:10:7:7", {1, 2, 5}, {10, 7, 7}, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        ReductionFixture f({{c.earlier, 100}, {c.later, 100}, {{0, 17, 0}, 20}, {c.rare, 1}});
        ASSERT_TRUE(f.reduce(3).success) << c.what;
        EXPECT_EQ(f.count(c.later), 101) << c.what;
        EXPECT_EQ(f.count(c.earlier), 100) << c.what;
    }
}
