#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

namespace chart {

// The colour a colour-table entry shows on the chart, on the pen swatch and in the workbook. Colour
// tables hold every channel within 0..255.
inline Rgb codeColour(const palette::ColourEntry& entry) {
    return Rgb{static_cast<std::uint8_t>(entry.r), static_cast<std::uint8_t>(entry.g), static_cast<std::uint8_t>(entry.b)};
}

// The colour-table entry a cell shows through its cube cell; null for an empty cell or a cube cell
// without a code colour.
const palette::ColourEntry* cellEntry(const ChartModel& model, const palette::ColourTable& table, int column, int row);

// Paints every filled cell in its code colour; a cell without one becomes empty and white. This
// is the last step of making a chart, once the merges have been applied.
void paintCodeColours(ChartModel& model, const palette::ColourTable& table);

// One pixel per cell in the chart's own colours, as painted and corrected; empty cells are white. It
// is the chart as the clipboard and the icon file take it, whatever colour table is chosen meanwhile.
Bitmap iconBitmap(const ChartModel& model);

// The chart as it is shown: every cell a solid block of cell width x cell height pixels.
Bitmap chartBitmap(const ChartModel& model);

}  // namespace chart
