#pragma once

#include "excel/xlsx_file.h"

#include <functional>
#include <string_view>

namespace excel {

// What one chart cell shows: its colour on the colour chart and its symbol on the symbol chart.
struct GridCell {
    platform::Rgb colour;
    std::string_view symbol;
};
using GridCellOf = std::function<GridCell(int x, int y)>;

// Both chart sheets of a chart of `columns` x `rows` cells: square cells, row and column numbers,
// the thin lines every five cells, the symbol chart's hairlines, and the cells themselves.
void writeChartGrids(XlsxFile& file, int columns, int rows, const GridCellOf& cellOf);

}  // namespace excel
