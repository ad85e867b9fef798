#pragma once

#include "chart/chart_model.h"
#include "edit/edit_session.h"

#include <optional>

namespace edit {

// The chart picture as the window shows it: its bitmap stretched to the display size.
struct ShownChart {
    int displayWidth = 0;
    int displayHeight = 0;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
};

// The picture panel's frame: panel coordinates start this far left of and above the chart picture.
inline constexpr int kPanelFrame = 4;

// The filled grid cell under a point of the picture panel; none outside the shown chart, beyond the
// grid or on an empty cell.
std::optional<CellPosition> cellAtPoint(const chart::ChartModel& model, const ShownChart& shown, int x, int y);

}  // namespace edit
