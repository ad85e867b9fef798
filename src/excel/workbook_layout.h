#pragma once

// Where everything of a chart workbook stands. The writer, the template tool and the reader all
// take their places from here, so that a workbook written by one is found by the other.
// Rows and columns are counted from 0 here, as the spreadsheet libraries count them: row 0 is the
// sheet's row 1 and column 0 its column a.

#include <array>
#include <string_view>

namespace excel {

// The six sheets in the order a chart workbook keeps them.
enum class Sheet { ColourChart, SymbolChart, Key, Red, Green, Blue };
inline constexpr int kSheetCount = 6;
inline constexpr std::array<std::string_view, kSheetCount> kSheetNames{"カラー図案", "記号図案", "色番号表", "R", "G", "B"};

constexpr int sheetIndex(Sheet sheet) { return static_cast<int>(sheet); }
// The value sheet of channel 0 (red), 1 (green) or 2 (blue).
constexpr Sheet valueSheet(int channel) { return static_cast<Sheet>(sheetIndex(Sheet::Red) + channel); }

// Chart sheets: column 0 carries the row numbers, row 0 the column numbers, and chart cell
// (x, y), counted from 0, stands at sheet row y + 1 and sheet column x + 1.
inline constexpr int kChartOrigin = 1;
// Narrow columns follow the numbers column up to this column even for a narrow chart, so that the
// printed grid keeps its width.
inline constexpr int kLastNarrowColumn = 60;
// Cells come out square at 12 pixels: column width 1 and row height 9 points in the template's font.
inline constexpr int kCellPixels = 12;
inline constexpr int kNumberColumnPixels = 19;  // column width 2
inline constexpr int kNumberStep = 10;          // every tenth row and column is numbered
inline constexpr int kLineStep = 5;             // a thin line after every fifth row and column

// Key sheet: the header row, the colour list from row 1, the parameter block and three texts.
struct KeyColumn {
    int column;
    std::string_view header;
};
inline constexpr std::array<KeyColumn, 7> kKeyHeader{{
    {0, "数"}, {1, "R"}, {2, "G"}, {3, "B"}, {5, "記号"}, {6, "DMC"}, {7, "色名"},
}};
inline constexpr int kCodeColumn = 6;
// A code system without "DMC" in its name heads the code column with this instead.
inline constexpr std::string_view kAbbreviationHeader = "略称";
inline constexpr int kKeyFirstRow = 1;
inline constexpr int kCountColumn = 0;  // then R, G, B
inline constexpr int kSymbolColumn = 5;  // then code, name

inline constexpr int kParameterRow = 59;
inline constexpr int kParameterCount = 18;
inline constexpr int kParameterRows = 20;  // the last two rows hold 0 in both columns
inline constexpr int kParameterIndexColumn = 0;
inline constexpr int kParameterValueColumn = 1;
inline constexpr int kTextColumn = 2;
inline constexpr int kCodeSystemRow = 59;
inline constexpr int kFabricUnitRow = 60;
inline constexpr int kDescriptionRow = 61;

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

// Value sheets: the upper block holds each cell's colour from row 0, an empty row follows, then the
// lower block holds its level numbers. Empty cells and cells without a code colour hold 255.
inline constexpr int kNoValue = 255;
constexpr int lowerBlockRow(int rows, int y) { return rows + 1 + y; }

// Print settings of every sheet: landscape, narrow margins (inches), numbers repeated on each page.
inline constexpr double kSideMargin = 0.25;
inline constexpr double kTopMargin = 0.75;
inline constexpr double kHeaderMargin = 0.3;

// The lines of a chart sheet cell of a chart of `columns` x `rows` cells: a thin line right of
// column 0 and of every fifth chart column, under row 0 and under every fifth chart row; on the
// symbol chart a hairline around every chart cell besides.
struct CellLines {
    bool thinRight = false;
    bool thinBottom = false;
    bool hairline = false;
    friend bool operator==(const CellLines&, const CellLines&) = default;
};
CellLines cellLines(Sheet sheet, int row, int column, int columns, int rows);

}  // namespace excel
