// The parameters a chart workbook is written with, the same for the window and the command line. The
// chart at its own size is seen in the command line's workbook (tests/cli/test_workbook_commands.cpp).

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

// A window that shows the chart larger than its own size records that panel, and its size text
// counts the cells the panel holds.
TEST(ExportParameters, ARecordedPanelStandsWithItsCells) {
    const palette::Fabric canvas{"ジャンボ", 0.25, "cm"};
    const excel::WorkbookParameters parameters =
        excel::exportParameters(chartOf(30, 20, 3), canvas, 0, 10, view::AreaSize{128, 68});
    EXPECT_EQ(parameters.panelWidth, 128);
    EXPECT_EQ(parameters.panelHeight, 68);
    EXPECT_EQ(parameters.fabricUnit, "cm");
    EXPECT_EQ(parameters.sizeCaption, "ジャンボ(#0.25cm) ＜横:0.10m (40) × 縦:0.05m (20)＞");
}

}  // namespace
