#pragma once

// The printable pattern of a chart: a PDF a stitcher prints or imports into a stitching tracker,
// drawn with Qt's painter so that every symbol and every text is text in an embedded font and
// every grid line a vector line.

#include "document/chart_document.h"

#include <string>

namespace pattern {

enum class Paper { A4, Letter };

struct PatternOptions {
    Paper paper = Paper::A4;
    int strands = 2;   // of six, for the thread estimate in the key
    std::string date;  // shown on the cover as given, e.g. "2026-12-07"
};

struct PatternPdf {
    std::string bytes;    // the PDF file
    std::string message;  // empty on success; otherwise why no PDF could be made
};

// Cover, key, symbol chart pages and colour chart pages of the document's chart. Needs a
// QGuiApplication (the offscreen platform will do) for the fonts.
PatternPdf patternPdf(const document::ChartDocument& document, const PatternOptions& options);

}  // namespace pattern
