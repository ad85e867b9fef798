#pragma once

// The key: a row per colour with its symbol, swatch, code, name, stitches, strands and skeins, then
// how the skeins are estimated and how the pages overlap. It goes on as many pages as it needs.

#include "pattern/page_canvas.h"
#include "pattern/pattern_content.h"

namespace pattern {

// Starts each page it paints. The note on the pages' overlap is left out when the chart takes one
// page.
void paintKeyPages(PageCanvas& canvas, const PatternContent& content, int strands, bool overlapping);

}  // namespace pattern
