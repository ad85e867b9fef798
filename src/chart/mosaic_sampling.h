#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

#include <string>
#include <vector>

namespace chart {

enum class SamplingMode { Smooth, Diffuse };

// Why the model's picture cannot be sampled (no picture, a cell size below 1, too few or too many
// cells), empty when it can.
std::string mosaicRefusal(const ChartModel& model);

// Fixes the chart's columns and rows from the display size (shrinking the display to whole cells),
// gives every cell the cube cell of its dominant or average colour, counts the cells per cube cell
// and paints the chart picture in the cube colours. The cube must have been built. Returns the
// refusal, changing nothing, when the picture cannot be sampled; empty on success. When sampled is
// given, it also receives each cell's colour before any rounding, [column * kGridSize + row], with a
// dominant colour as its own samples average; it must hold kGridSize * kGridSize colours.
std::string makeMosaic(ChartModel& model, const palette::ColourTable& table, SamplingMode mode, bool boundary,
                       std::vector<Rgb>* sampled = nullptr);

}  // namespace chart
