#pragma once

// Every page of the pattern in order, on any paged device: cover, key, page map, symbol chart and
// colour chart.

#include "pattern/page_canvas.h"
#include "pattern/pattern_content.h"
#include "pattern/pattern_options.h"

namespace pattern {

// Starts every page it paints, from the first; the caller finishes the canvas.
void paintPattern(PageCanvas& canvas, const PatternContent& content, const PatternOptions& options);

}  // namespace pattern
