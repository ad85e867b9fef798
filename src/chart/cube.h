#pragma once

#include "chart/chart_model.h"
#include "chart/colour_distance.h"
#include "palette/colour_table.h"

#include <string>

namespace chart {

// The value level i of a channel with n levels stands for.
int levelValue(int level, int levels);

// Whether building the cube with these level counts, table and distance works out the cube codes
// again: when the rebuild flag or the never-computed mark asks for it, or when anything they were
// worked out from has changed.
bool cubeCodesWanted(const QuantisationCube& cube, LevelCounts levels, const palette::ColourTable& table,
                     const ColourDistance& distance);

// Empties the cube for a new chart with these level counts, and computes the cube codes when the
// rebuild flag, the never-computed mark or a change of shape asks for it. Returns a message for
// counts outside 2 to 20, which make no cube, and empty on success.
std::string buildCube(QuantisationCube& cube, LevelCounts levels, const palette::ColourTable& table,
                      const ColourDistance& distance);

// Turns a colour into level numbers by plain rounding, one step (from the red count) for all channels.
CubeCell quantise(const QuantisationCube& cube, Rgb colour);

// The same with the colour error of the previous cell carried in; updates the cube's carry from the
// code colour the cell will show.
CubeCell quantiseWithDiffusion(QuantisationCube& cube, const palette::ColourTable& table, Rgb colour);

// Rebuilds the cube counts from the cells of the model's chart, as after painting or an import. Zeroing
// first also clears the merge marks, which no cell refers to once the merges are applied.
void recountCube(ChartModel& model);

}  // namespace chart
