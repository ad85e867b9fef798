#pragma once

// Where everything of a chart workbook stands. The writer and the reader both take their places
// from here, so that a workbook written by one is found by the other. Rows and columns count from 1, as the spreadsheet user counts them: column a is 1.

#include <array>
#include <string_view>

namespace excel {

// The six sheets in the order a chart workbook keeps them.
enum class Sheet { ColourChart, SymbolChart, Key, Red, Green, Blue };
inline constexpr int kSheetCount = 6;
inline constexpr std::array<std::string_view, kSheetCount> kSheetNames{"カラー図案", "記号図案", "色番号表", "R", "G", "B"};

// The sheet's number in the workbook, from 1.
constexpr int sheetNumber(Sheet sheet) { return static_cast<int>(sheet) + 1; }
constexpr int sheetIndex(Sheet sheet) { return static_cast<int>(sheet); }
// The value sheet of channel 0 (red), 1 (green) or 2 (blue).
constexpr Sheet valueSheet(int channel) { return static_cast<Sheet>(static_cast<int>(Sheet::Red) + channel); }

// Chart sheets: column a carries the row numbers, row 1 the column numbers, and chart cell (x, y),
// counted from 1, stands at sheet row y + 1 and sheet column x + 1.
inline constexpr int kChartOrigin = 1;
// Column widths in characters and the row height in points: at the default font both come to
// 12 pixels, so the cells are square.
inline constexpr int kNumberColumnWidth = 2;
inline constexpr int kCellColumnWidth = 1;
inline constexpr int kCellRowHeight = 9;
// Narrow columns follow the numbers column up to this column even for a narrow chart, so that the
// printed grid keeps its width.
inline constexpr int kLastNarrowColumn = 61;
inline constexpr int kNumberStep = 10;  // every tenth row and column is numbered
inline constexpr int kLineStep = 5;     // a thin line after every fifth row and column
// Fonts of the chart sheets, in points: the numbers small, the symbols readable in a 12-pixel cell.
inline constexpr double kNumberFontSize = 6;
inline constexpr double kSymbolFontSize = 8;

// Key sheet: the header row, the colour list below it, the parameter block and three texts.
struct KeyColumn {
    int column;
    std::string_view header;
};
inline constexpr std::array<KeyColumn, 7> kKeyHeader{{
    {1, "数"}, {2, "R"}, {3, "G"}, {4, "B"}, {6, "記号"}, {7, "DMC"}, {8, "色名"},
}};
inline constexpr int kCodeColumn = 7;
// A code system without "DMC" in its name heads the code column with this instead.
inline constexpr std::string_view kAbbreviationHeader = "略称";
inline constexpr int kKeyFirstRow = 2;
inline constexpr int kCountColumn = 1;   // then R, G, B
inline constexpr int kSymbolColumn = 6;  // then code, name

inline constexpr int kParameterRow = 60;
inline constexpr int kParameterCount = 18;
inline constexpr int kParameterRows = 20;  // the last two rows hold 0 in both columns
inline constexpr int kParameterIndexColumn = 1;
inline constexpr int kParameterValueColumn = 2;
inline constexpr int kTextColumn = 3;
inline constexpr int kCodeSystemRow = 60;
inline constexpr int kFabricUnitRow = 61;
inline constexpr int kDescriptionRow = 62;
// Under the texts, a cell the layout leaves free marks a chart whose threads were chosen for its look:
// its cells' codes are then the colours the value sheets record, not the nearest codes of their levels.
inline constexpr int kAppearanceRow = 63;
inline constexpr std::string_view kAppearanceMark = "見た目重視";

// The parameter block, by index.
enum class Parameter {
    Marker, PanelWidth, PanelHeight, ImageWidth, ImageHeight, CubeItem, RedLevels, GreenLevels, BlueLevels,
    Smoothing, Boundary, MaxColours, ResultColours, CellWidth, CellHeight, Columns, Rows, CountSize,
};
constexpr int parameterRow(Parameter p) { return kParameterRow + static_cast<int>(p); }
// What parameter 0 holds in every chart workbook; a workbook without it is no chart.
inline constexpr int kChartMarker = 160;
// Options are stored as 0 for on, anything else for off.
inline constexpr int kOptionOn = 0;
inline constexpr int kOptionOff = 1;
inline constexpr int kCountSizeScale = 100;

// Value sheets: the upper block holds each cell's colour from row 1, an empty row follows, then the
// lower block holds its level numbers. Empty cells and cells without a code colour hold 255.
inline constexpr int kNoValue = 255;

// Print settings of every sheet: landscape, narrow margins (inches), numbers repeated on each page.
inline constexpr double kSideMargin = 0.25;
inline constexpr double kTopMargin = 0.75;
// A printed chart page holds whole tens of cells, so that a stitcher counts on from its numbers.
// Landscape A4 leaves some 1074 by 650 pixels within the margins: past the numbers column (19
// pixels) and row (20 pixels), 87 columns and 52 rows of 12-pixel cells, and so 8 and 5 tens.
inline constexpr int kPageColumns = 80;
inline constexpr int kPageRows = 50;
inline constexpr std::string_view kPageFooter = "&P / &N";  // this page / all pages

}  // namespace excel
