#pragma once

#include "chart/chart_model.h"
#include "chart/colour_distance.h"
#include "palette/colour_table.h"

namespace chart {

inline constexpr int kNoEntryBelowWindow = -1;  // every entry is brighter than the window
inline constexpr int kEmptyWindow = -2;         // the window holds no entry

// The brightness half-width of the nearest-code window for a table of this many entries.
int nearestCodeWindow(int entries);

// The index of the nearest colour-table entry to (r, g, b) among entries of similar brightness,
// or a negative value when there is none. The table must not be empty.
int nearestCode(const palette::ColourTable& table, const ColourDistance& distance, int r, int g, int b);

// What codes worked out with this table and distance come from.
CodesSource codesSourceOf(const palette::ColourTable& table, const ColourDistance& distance);

// Sets the code of every cube cell to the nearest entry to its level colour, and records where
// the codes come from.
void fillCubeCodes(QuantisationCube& cube, const palette::ColourTable& table, const ColourDistance& distance);

}  // namespace chart
