#pragma once

#include "chart/chart_model.h"
#include "excel/chart_workbook.h"
#include "palette/fabric.h"
#include "view/picture_area.h"

#include <optional>

namespace excel {

// The parameters a chart workbook is written with, the same whoever exports it: the chart panel
// with its frame, as the window shows the chart at its own size unless it recorded another size for
// it, and the fabric's count size and unit with the size text of the chart's cells on it.
WorkbookParameters exportParameters(const chart::ChartModel& model, const palette::Fabric& fabric, int cubeItem,
                                    int resultColours, std::optional<view::AreaSize> chartPanel = std::nullopt);

}  // namespace excel
