#include "excel/workbook_layout.h"

namespace excel {

CellLines cellLines(Sheet sheet, int row, int column, int columns, int rows) {
    CellLines lines;
    // A column line runs from the numbers row to one row past the chart; a row line from the
    // numbers column to one column past it.
    lines.thinRight = column % kLineStep == 0 && column <= columns && row <= rows + 1;
    lines.thinBottom = row % kLineStep == 0 && row <= rows && column <= columns + 1;
    lines.hairline = sheet == Sheet::SymbolChart && row >= kChartOrigin && row <= rows && column >= kChartOrigin &&
                     column <= columns;
    return lines;
}

}  // namespace excel
