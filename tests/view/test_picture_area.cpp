#include "view/picture_area.h"

#include <gtest/gtest.h>

using view::AreaSize;
using view::limitArea;
using view::pasteAreaSize;

TEST(PictureArea, APictureThatFitsKeepsItsSizeAndALargerOneScalesItsLongerSideTo200Cells) {
    EXPECT_EQ(pasteAreaSize(100, 300, 3, 3), (AreaSize{100, 300}));
    EXPECT_EQ(pasteAreaSize(600, 600, 3, 3), (AreaSize{600, 600}));
    EXPECT_EQ(pasteAreaSize(640, 480, 3, 3), (AreaSize{600, 450}));
    EXPECT_EQ(pasteAreaSize(480, 640, 3, 3), (AreaSize{450, 600}));
    EXPECT_EQ(pasteAreaSize(700, 700, 3, 3), (AreaSize{600, 600}));  // W <= H: the height is fixed
    // 600 / 7 * 3 is 257.142857... in floating point: the fraction is dropped.
    EXPECT_EQ(pasteAreaSize(700, 300, 3, 3), (AreaSize{600, 257}));
    // Different cell sides: the fixed side follows its own cell size.
    EXPECT_EQ(pasteAreaSize(1000, 500, 4, 2), (AreaSize{800, 400}));
    // 600 x 145 / 696 is exactly 125, but 600 / 696 * 145 in doubles (divided first) is 124.99999999999999.
    EXPECT_EQ(pasteAreaSize(145, 696, 3, 3), (AreaSize{124, 600}));
}

TEST(PictureArea, LimitsAreEightTo200Cells) {
    EXPECT_EQ(limitArea(AreaSize{20, 20}, 3, 3), (AreaSize{24, 24}));
    EXPECT_EQ(limitArea(AreaSize{900, 10}, 3, 5), (AreaSize{600, 40}));
    EXPECT_EQ(limitArea(AreaSize{100, 300}, 3, 3), (AreaSize{100, 300}));
}
