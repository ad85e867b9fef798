#pragma once

// How a chart is cut into printed pages, in millimetres and cells, free of any painting: the same
// rules decide the page count, each page's cells and where its grid sits.

#include "pattern/pattern_options.h"

#include <vector>

namespace pattern {

// The paper upright, in millimetres.
struct PaperSize {
    double width = 0;
    double height = 0;
};

PaperSize paperSize(Paper paper);

// The printed chart's measures, in millimetres.
inline constexpr double kMarginMm = 12.0;
inline constexpr double kCellMm = 2.8;
inline constexpr double kCaptionMm = 4.4;      // the caption line above the grid
inline constexpr double kSideBandMm = 6.0;     // numbers and centre arrows left and right of the grid
inline constexpr double kEndBandMm = 4.0;      // numbers and centre arrows above and below the grid
inline constexpr int kBlockCells = 10;         // a bold line every ten cells, never split by a page
inline constexpr int kOverlapCells = 2;        // repeated from the next page at the right and bottom

// One page's share of the chart along one direction: its own cells, then the next page's first
// cells repeated (none on the last).
struct Slice {
    int first = 0;
    int count = 0;
    int overlap = 0;
    int end() const { return first + count; }
    int drawn() const { return count + overlap; }
};

struct ChartPage {
    int number = 0;  // from 1, left to right and then down
    Slice columns;
    Slice rows;
};

struct ChartSplit {
    bool landscape = false;
    double areaWidthMm = 0;   // inside the margins
    double areaHeightMm = 0;
    std::vector<Slice> columnSlices;
    std::vector<Slice> rowSlices;

    int pageCount() const { return static_cast<int>(columnSlices.size() * rowSlices.size()); }
    ChartPage page(int index) const;  // from 0
};

// The split with the fewer pages, upright when both take as many.
ChartSplit splitChart(int columns, int rows, Paper paper);

}  // namespace pattern
