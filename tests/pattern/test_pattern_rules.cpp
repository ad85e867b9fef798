// The pattern's measures: how a chart splits into pages and the thread it takes.

#include "pattern/fabric_measure.h"
#include "pattern/page_split.h"
#include "pattern/thread_estimate.h"

#include <gtest/gtest.h>

namespace {

// A wide chart turns the pages: three landscape pages of up to 90 columns instead of four upright
// of 60.
// Blocks of ten stay whole and every page but the last repeats the next page's first two columns.
TEST(PatternRules, AWideChartTurnsThePagesAndKeepsItsBlocksOfTenWhole) {
    const pattern::ChartSplit split = pattern::splitChart(185, 60, pattern::Paper::A4);
    EXPECT_TRUE(split.landscape);
    ASSERT_EQ(split.columnSlices.size(), 3u);
    EXPECT_EQ(split.columnSlices[0].first, 0);
    EXPECT_EQ(split.columnSlices[0].count, 90);
    EXPECT_EQ(split.columnSlices[0].overlap, 2);
    EXPECT_EQ(split.columnSlices[2].first, 180);
    EXPECT_EQ(split.columnSlices[2].count, 5);
    EXPECT_EQ(split.columnSlices[2].overlap, 0);
    ASSERT_EQ(split.rowSlices.size(), 1u);
    EXPECT_EQ(split.rowSlices[0].overlap, 0);
    EXPECT_EQ(split.page(2).columns.first, 180);
}

// Worked example: on 14-count fabric a cell is 2.54 / 14 = 0.181429 cm, so a cross stitch in two
// strands takes 4.828 x 0.181429 x 2 x 1.5 = 2.627811 strand-cm. 1000 stitches take 2627.811 of a
// skein's 4800 strand-cm: 0.547461 skeins, so one skein. 3000 stitches in three strands on 11-count
// (0.230909 cm a cell) take 3000 x 5.016731 = 15050.19 strand-cm: 3.135457 skeins, so four.
TEST(PatternRules, SkeinsFollowTheWorkedExample) {
    const pattern::SkeinEstimate fourteen = pattern::estimateSkeins(1000, pattern::countCellCentimetres(14), 2);
    EXPECT_NEAR(fourteen.exact, 0.547461, 1e-6);
    EXPECT_EQ(fourteen.skeins, 1);
    const pattern::SkeinEstimate eleven = pattern::estimateSkeins(3000, pattern::countCellCentimetres(11), 3);
    EXPECT_NEAR(eleven.exact, 3.135457, 1e-6);
    EXPECT_EQ(eleven.skeins, 4);
    // Exactly one skein's thread needs no second skein.
    EXPECT_EQ(pattern::estimateSkeins(4800, 1.0 / (4.828 * 1.5), 1).skeins, 1);
}

TEST(PatternRules, AFabricsCountSizeIsInItsOwnUnit) {
    EXPECT_DOUBLE_EQ(pattern::cellCentimetres({"14カウント", 1.81, "mm"}), 0.181);
    EXPECT_DOUBLE_EQ(pattern::cellCentimetres({"布", 0.2, "cm"}), 0.2);
    const pattern::PieceSize cut = pattern::cutSize(pattern::finishedSize(100, 50, 0.2));
    EXPECT_DOUBLE_EQ(cut.widthCm, 30.0);
    EXPECT_DOUBLE_EQ(cut.heightCm, 20.0);
}

}  // namespace
