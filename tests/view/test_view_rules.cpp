#include "view/cell_geometry.h"
#include "view/edge_drag.h"
#include "view/ruler_scale.h"
#include "view/size_text.h"

#include <gtest/gtest.h>

using namespace view;

TEST(RulerScale, DesignRulersGiveThreePixelCellsAndShortOnesAreRefusedAxisByAxis) {
    const RulerReading design = readRulers(608, 607, CellSize{1, 1});
    EXPECT_EQ(design.cells, (CellSize{3, 3}));
    EXPECT_TRUE(design.refusal.empty());

    const RulerReading fineX = readRulers(599, 607, CellSize{1, 1});
    EXPECT_EQ(fineX.cells, (CellSize{1, 1}));
    EXPECT_FALSE(fineX.verticalDrawn);  // the vertical ruler is not even read
    EXPECT_EQ(fineX.refusal, "Xメモリが細かすぎます。");

    const RulerReading fineY = readRulers(600, 599, CellSize{1, 1});
    EXPECT_EQ(fineY.cells, (CellSize{3, 1}));
    EXPECT_TRUE(fineY.horizontalDrawn);
    EXPECT_EQ(fineY.refusal, "Yメモリが細かすぎます。");

    EXPECT_EQ(horizontalTickLength(50), 15);
    EXPECT_EQ(verticalTickLength(50), 20);
}

TEST(EdgeDrag, EdgesAreFivePixelsInsideTheBorderAndTheCornerWins) {
    const AreaSize panel{458, 398};
    EXPECT_EQ(edgeAt(451, 391, panel), EdgeHit::Corner);
    EXPECT_EQ(edgeAt(455, 100, panel), EdgeHit::Right);
    EXPECT_EQ(edgeAt(100, 391, panel), EdgeHit::Bottom);
    EXPECT_EQ(edgeAt(450, 390, panel), EdgeHit::None);
    EXPECT_EQ(edgeAt(456, 396, panel), EdgeHit::None);
}

TEST(EdgeDrag, DraggedEdgesFollowTheMouseAtMostEvery200MillisecondsAndSnapToTheLargestSizeNearIt) {
    const AreaSize panel{458, 398};
    const AreaSize largest{608, 608};
    EXPECT_EQ(dragToward(EdgeHit::Right, 700, 10, panel), (AreaSize{706, 398}));
    EXPECT_EQ(dragToward(EdgeHit::Bottom, 10, 300, panel), (AreaSize{458, 306}));
    EXPECT_EQ(dragToward(EdgeHit::Corner, 700, 300, panel), (AreaSize{706, 306}));
    EXPECT_EQ(dropAt(EdgeHit::Right, 600, 10, panel, largest), (AreaSize{608, 398}));
    EXPECT_EQ(dropAt(EdgeHit::Right, 599, 10, panel, largest), (AreaSize{605, 398}));
    EXPECT_EQ(dropAt(EdgeHit::Corner, 590, 600, panel, largest), (AreaSize{596, 608}));
    const std::chrono::steady_clock::time_point start{};
    EXPECT_FALSE(dragPaceAllows(start, start + std::chrono::milliseconds(199)));
    EXPECT_TRUE(dragPaceAllows(start, start + std::chrono::milliseconds(200)));
}

// When a recorded size can be restored is tested on the picture area widget itself.
TEST(CellGeometry, PartCellsDoNotCount) {
    EXPECT_EQ(cellsInPanel(AreaSize{108, 308}, CellSize{3, 3}, 8), (CellCounts{33, 100}));
}

TEST(SizeText, StitchedSizeOnTheFabricInTheLargerUnit) {
    const palette::Fabric aida{"1センチ11目", 0.91, "mm"};
    EXPECT_EQ(sizeText(aida, CellCounts{100, 120}), "1センチ11目(#0.91mm) ＜横:9.1cm (100) × 縦:10.9cm (120)＞");

    const palette::Fabric linen{"麻", 0.25, "cm"};
    EXPECT_EQ(sizeText(linen, CellCounts{200, 200}), "麻(#0.25cm) ＜横:0.50m (200) × 縦:0.50m (200)＞");

    // 5 x 0.5 mm is 2.5 mm: halves go to the even neighbour.
    const palette::Fabric half{"半", 0.5, "mm"};
    EXPECT_EQ(sizeText(half, CellCounts{5, 7}), "半(#0.50mm) ＜横:0.2cm (5) × 縦:0.4cm (7)＞");

    const palette::Fabric huge{"大", 1234.5, "mm"};
    EXPECT_EQ(sizeText(huge, CellCounts{8, 8}), "大(#1,234.50mm) ＜横:987.6cm (8) × 縦:987.6cm (8)＞");

    // A free size fabric without a size of the user's counts one unit.
    const palette::Fabric free{"フリーサイズ", -1.0, "cm"};
    EXPECT_EQ(sizeText(free, CellCounts{150, 130}), "フリーサイズ(#1.00cm) ＜横:1.50m (150) × 縦:1.30m (130)＞");
}
