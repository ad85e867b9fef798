// The parameters a chart workbook is written with, the same for the window and the command line.

#include "excel/export_parameters.h"

#include <gtest/gtest.h>

namespace {

chart::ChartModel chartOf(int columns, int rows, int cellSize) {
    chart::ChartModel model;
    model.columns = columns;
    model.rows = rows;
    model.cellWidth = model.cellHeight = cellSize;
    model.displayWidth = columns * cellSize;
    model.displayHeight = rows * cellSize;
    return model;
}

const view::Fabric kAida{0.91, "mm", "cm", "1センチ11目"};

TEST(ExportParameters, ThePanelIsThePictureInItsFrame) {
    const excel::WorkbookParameters parameters = excel::exportParameters(chartOf(30, 20, 3), kAida, 6, 45);
    EXPECT_EQ(parameters.panelWidth, 98);
    EXPECT_EQ(parameters.panelHeight, 68);
    EXPECT_EQ(parameters.cubeItem, 6);
    EXPECT_EQ(parameters.resultColours, 45);
    EXPECT_EQ(parameters.countSize, 0.91);
    EXPECT_EQ(parameters.fabricUnit, "mm");
    EXPECT_EQ(parameters.sizeCaption, "1センチ11目(#0.91mm) ＜横:2.7cm (30) × 縦:1.8cm (20)＞");
}

// A window that shows the chart larger than its own size records that panel, and its size text
// counts the cells the panel holds.
TEST(ExportParameters, ARecordedPanelStandsWithItsCells) {
    const view::Fabric canvas{0.25, "cm", "m", "ジャンボ"};
    const excel::WorkbookParameters parameters =
        excel::exportParameters(chartOf(30, 20, 3), canvas, 0, 10, view::AreaSize{128, 68});
    EXPECT_EQ(parameters.panelWidth, 128);
    EXPECT_EQ(parameters.panelHeight, 68);
    EXPECT_EQ(parameters.fabricUnit, "cm");
    EXPECT_EQ(parameters.sizeCaption, "ジャンボ(#0.25cm) ＜横:0.10m (40) × 縦:0.05m (20)＞");
}

}  // namespace
