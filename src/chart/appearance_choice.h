#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

#include <vector>

namespace chart {

// The level count of the cube an appearance chart is kept in: the chosen one, or more when it has
// fewer cube cells than the chart may have colours, since every chosen thread takes a cube cell of
// its own.
int appearanceLevels(int levels, int maxColours);

// Colours the sampled chart for its look: chooses at most maxColours thread colours of the table for
// the cells' sampled colours ([column * kGridSize + row]) and gives each cell one of them, keeping the
// perceived difference small; with diffusion each cell's difference is carried on to the cells not yet
// coloured. Each chosen thread gets a cube cell of its own whose code is set to it, the grid refers to
// those cube cells, the cube is recounted and the cells are painted in their thread colours. The cube's
// codes are then no longer the nearest-code ones, which the next cube build notices. Returns the
// number of colours in use.
int colourForAppearance(ChartModel& model, palette::ColourTable& table, const std::vector<Rgb>& sampled,
                        int maxColours, bool diffusion);

// Sets the cube codes of an appearance chart's cube cells to the threads they show, as when it was
// made; each pair is a packed cube cell and a table index.
void keepChosenCodes(QuantisationCube& cube, const std::vector<std::pair<std::int32_t, int>>& chosen);

}  // namespace chart
