#pragma once

// The chart pages: the symbol chart in black and white, and the colour chart with every cell in its
// thread colour under its symbol. Both are split alike, so that page i of one matches page i of the
// other.

#include "pattern/cell_symbols.h"
#include "pattern/page_canvas.h"
#include "pattern/page_split.h"
#include "pattern/pattern_content.h"

namespace pattern {

enum class ChartStyle { Symbols, Colours };

// Paints one page of the split on the canvas's current page.
void paintChartPage(PageCanvas& canvas, const PatternContent& content, const CellSymbols& symbols,
                    const ChartSplit& split, int pageIndex, ChartStyle style);

}  // namespace pattern
