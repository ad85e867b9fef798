// The lines of the chart sheets: thin every five cells from the numbers on, hairlines around the
// symbol chart's cells only.

#include "excel/workbook_layout.h"

#include <gtest/gtest.h>

namespace {

using excel::CellLines;
using excel::Sheet;

TEST(ChartSheetLines, ThinEveryFiveCellsOneCellPastTheChart) {
    // A chart of 12 columns and 7 rows.
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 0, 0, 12, 7), (CellLines{true, true, false}));
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 8, 10, 12, 7), (CellLines{true, false, false}));
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 9, 10, 12, 7), CellLines{});
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 5, 13, 12, 7), (CellLines{false, true, false}));
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 5, 14, 12, 7), CellLines{});
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 3, 15, 12, 7), CellLines{});
}

TEST(ChartSheetLines, HairlinesOnlyAroundSymbolCells) {
    EXPECT_EQ(excel::cellLines(Sheet::SymbolChart, 1, 1, 12, 7), (CellLines{false, false, true}));
    EXPECT_EQ(excel::cellLines(Sheet::SymbolChart, 7, 12, 12, 7), (CellLines{false, false, true}));
    EXPECT_EQ(excel::cellLines(Sheet::SymbolChart, 8, 12, 12, 7), CellLines{});
    EXPECT_EQ(excel::cellLines(Sheet::SymbolChart, 0, 3, 12, 7), (CellLines{false, true, false}));
    EXPECT_EQ(excel::cellLines(Sheet::ColourChart, 1, 1, 12, 7), CellLines{});
}

}  // namespace
