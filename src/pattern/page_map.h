#pragma once

// A page of its own before the chart pages when the chart takes more than one: the chart's outline
// cut into its pages, each with its number and the columns and rows it starts at.

#include "pattern/page_canvas.h"
#include "pattern/page_split.h"

namespace pattern {

void paintPageMap(PageCanvas& canvas, const ChartSplit& split, int columns, int rows);

}  // namespace pattern
