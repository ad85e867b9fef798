#pragma once

// What the printed pattern shows of a document's chart, taken out of it once: the key's colours in
// the key's order, and for every cell the key row it is stitched in.

#include "document/chart_document.h"
#include "palette/colour_table.h"
#include "palette/fabric.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pattern {

struct KeyColour {
    palette::ColourEntry entry;  // code, name, colour and the chart's symbol for it
    std::int32_t stitches = 0;
};

inline constexpr int kNoKeyRow = -1;

struct PatternContent {
    int columns = 0;
    int rows = 0;
    std::vector<KeyColour> key;
    std::vector<int> cells;  // a key row per cell, row by row; kNoKeyRow for a cell left empty
    std::string systemTitle;
    palette::Fabric fabric;

    int keyRow(int column, int row) const { return cells[static_cast<std::size_t>(row * columns + column)]; }
};

// The key lists the colour list's rows in use that have a code and a symbol; a white cell, or one
// without a code colour, is listed by none and stays empty, as a cell the chart leaves empty does.
PatternContent patternContent(const document::ChartDocument& document);

}  // namespace pattern
