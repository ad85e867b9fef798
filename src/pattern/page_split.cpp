#include "pattern/page_split.h"

#include <algorithm>
#include <cmath>

namespace pattern {
namespace {

// Whole blocks of ten that fit beside the overlap; at least one block, so that every chart splits.
int blockCapacity(double gridMm) {
    const int cells = static_cast<int>(std::floor(gridMm / kCellMm + 1e-6)) - kOverlapCells;
    return std::max(kBlockCells, cells / kBlockCells * kBlockCells);
}

std::vector<Slice> slices(int cells, int capacity) {
    std::vector<Slice> result;
    for (int first = 0; first < cells; first += capacity) {
        const int count = std::min(capacity, cells - first);
        const int overlap = first + count < cells ? std::min(kOverlapCells, cells - first - count) : 0;
        result.push_back(Slice{first, count, overlap});
    }
    return result;
}

ChartSplit splitOn(int columns, int rows, double widthMm, double heightMm, bool landscape) {
    ChartSplit split;
    split.landscape = landscape;
    split.areaWidthMm = widthMm - 2 * kMarginMm;
    split.areaHeightMm = heightMm - 2 * kMarginMm;
    split.columnSlices = slices(columns, blockCapacity(split.areaWidthMm - 2 * kSideBandMm));
    split.rowSlices = slices(rows, blockCapacity(split.areaHeightMm - kCaptionMm - 2 * kEndBandMm));
    return split;
}

}  // namespace

PaperSize paperSize(Paper paper) { return paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210.0, 297.0}; }

ChartPage ChartSplit::page(int index) const {
    const auto across = static_cast<int>(columnSlices.size());
    return ChartPage{index + 1, columnSlices[static_cast<std::size_t>(index % across)],
                     rowSlices[static_cast<std::size_t>(index / across)]};
}

ChartSplit splitChart(int columns, int rows, Paper paper) {
    const PaperSize size = paperSize(paper);
    ChartSplit upright = splitOn(columns, rows, size.width, size.height, false);
    ChartSplit turned = splitOn(columns, rows, size.height, size.width, true);
    return turned.pageCount() < upright.pageCount() ? turned : upright;
}

}  // namespace pattern
