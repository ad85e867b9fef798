#pragma once

// The cover: the chart in colour as large as it fits, its size in cells, what it measures stitched on
// its own fabric and on the common counts, the fabric to cut, the colours and the date.

#include "pattern/page_canvas.h"
#include "pattern/pattern_content.h"

#include <string>

namespace pattern {

void paintCover(PageCanvas& canvas, const PatternContent& content, const std::string& date);

}  // namespace pattern
