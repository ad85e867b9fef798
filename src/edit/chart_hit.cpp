#include "edit/chart_hit.h"

#include <cmath>

namespace edit {
namespace {

// The stretch is undone in floating point and truncated toward zero, so a point on the frame just
// left of or above the picture still lands in the first column or row.
std::optional<int> gridLine(int offset, int bitmapSize, int displaySize, int cellSize) {
    const double line = std::trunc(static_cast<double>(offset) * bitmapSize / displaySize / cellSize);
    if (!(line >= 0 && line <= chart::kMaxCells)) return std::nullopt;
    return static_cast<int>(line);
}

}  // namespace

std::optional<CellPosition> cellAtPoint(const chart::ChartModel& model, const ShownChart& shown, int x, int y) {
    const int px = x - kPanelFrame;
    const int py = y - kPanelFrame;
    if (px >= shown.displayWidth || py >= shown.displayHeight) return std::nullopt;
    // Nothing is shown yet; the division below would have no meaning.
    if (shown.displayWidth <= 0 || shown.displayHeight <= 0 || model.cellWidth <= 0 || model.cellHeight <= 0) {
        return std::nullopt;
    }
    const auto column = gridLine(px, shown.bitmapWidth, shown.displayWidth, model.cellWidth);
    const auto row = gridLine(py, shown.bitmapHeight, shown.displayHeight, model.cellHeight);
    if (!column || !row || model.cell(*column, *row) < 0) return std::nullopt;
    return CellPosition{*column, *row};
}

}  // namespace edit
