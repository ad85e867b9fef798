#include "excel/chart_grids.h"

#include <algorithm>
#include <string>

namespace excel {
namespace {

// Column numbers are texts so that a spreadsheet keeps them as typed; row numbers are numbers.
bool columnLabel(int row, int column, int columns) {
    const int k = column - kChartOrigin;
    return row == 0 && k >= 0 && k <= columns && k % kNumberStep == 0;
}

bool rowLabel(int row, int column, int rows) {
    const int k = row - kChartOrigin;
    return column == 0 && k >= 0 && k <= rows && k % kNumberStep == 0;
}

void writeSheet(XlsxFile& file, Sheet sheet, int columns, int rows, int lastColumn, const GridCellOf& cellOf) {
    file.columnPixels(sheet, 0, 0, kNumberColumnPixels);
    file.columnPixels(sheet, kChartOrigin, lastColumn, kCellPixels);
    for (int row = kChartOrigin; row <= rows; ++row) file.rowPixels(sheet, row, kCellPixels);

    for (int row = 0; row <= rows + 1; ++row) {
        for (int column = 0; column <= lastColumn; ++column) {
            CellStyle style;
            style.lines = cellLines(sheet, row, column, columns, rows);
            const bool inChart = row >= kChartOrigin && row <= rows && column >= kChartOrigin && column <= columns;
            if (inChart) {
                const GridCell cell = cellOf(column - kChartOrigin, row - kChartOrigin);
                if (sheet == Sheet::ColourChart) {
                    style.fill = cell.colour;
                    file.chartCell(sheet, row, column, style);
                } else {
                    file.chartCell(sheet, row, column, style, cell.symbol);
                }
            } else if (columnLabel(row, column, columns)) {
                style.label = true;
                file.chartCell(sheet, row, column, style, std::to_string(column));
            } else if (rowLabel(row, column, rows)) {
                style.label = true;
                file.labelNumber(sheet, row, column, style, row);
            } else if (style.lines != CellLines{}) {
                file.chartCell(sheet, row, column, style);
            }
        }
    }
}

}  // namespace

void writeChartGrids(XlsxFile& file, int columns, int rows, const GridCellOf& cellOf) {
    const int lastColumn = std::max(columns + kChartOrigin, kLastNarrowColumn);
    writeSheet(file, Sheet::ColourChart, columns, rows, lastColumn, cellOf);
    writeSheet(file, Sheet::SymbolChart, columns, rows, lastColumn, cellOf);
}

}  // namespace excel
