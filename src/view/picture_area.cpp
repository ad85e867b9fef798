#include "view/picture_area.h"

#include "chart/chart_limits.h"

#include <algorithm>
#include <cmath>

namespace view {
namespace {

using chart::kMaxCells;
using chart::kMinCells;

// The scaled side is worked out in floating point in this order, so that it truncates exactly as the
// window always has.
int scaledSide(int fixedSide, int ownLonger, int ownShorter) {
    return static_cast<int>(std::trunc(static_cast<double>(fixedSide) / ownLonger * ownShorter));
}

}  // namespace

AreaSize pasteAreaSize(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight) {
    const int widest = cellWidth * kMaxCells;
    const int tallest = cellHeight * kMaxCells;
    if (pictureWidth <= widest && pictureHeight <= tallest) return AreaSize{pictureWidth, pictureHeight};
    if (pictureWidth <= pictureHeight) return AreaSize{scaledSide(tallest, pictureHeight, pictureWidth), tallest};
    return AreaSize{widest, scaledSide(widest, pictureWidth, pictureHeight)};
}

AreaSize limitArea(AreaSize area, int cellWidth, int cellHeight) {
    return AreaSize{std::clamp(area.width, cellWidth * kMinCells, cellWidth * kMaxCells),
                    std::clamp(area.height, cellHeight * kMinCells, cellHeight * kMaxCells)};
}

AreaSize pictureArea(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight) {
    return limitArea(pasteAreaSize(pictureWidth, pictureHeight, cellWidth, cellHeight), cellWidth, cellHeight);
}

}  // namespace view
