#pragma once

// The printable pattern of a chart: a PDF a stitcher prints or imports into a stitching tracker,
// drawn with Qt's painter so that every symbol and every text is text in an embedded font and
// every grid line a vector line.

#include "pattern/pattern_content.h"
#include "pattern/pattern_options.h"

#include <string>

namespace pattern {

struct PatternPdf {
    std::string bytes;    // the PDF file
    std::string message;  // empty on success; otherwise why no PDF could be made
};

// Cover, key, symbol chart pages and colour chart pages of the chart. Needs a QGuiApplication (the
// offscreen platform will do) for the fonts.
PatternPdf patternPdf(const PatternContent& content, const PatternOptions& options);

}  // namespace pattern
