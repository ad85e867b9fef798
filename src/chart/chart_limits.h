#pragma once

// The bounds of a chart, shared by the engine, the picture area and the command line.
namespace chart {

// Columns and rows of a chart, each way.
inline constexpr int kMinCells = 8;
inline constexpr int kMaxCells = 200;

// Levels per channel of the quantisation cube.
inline constexpr int kFewestLevels = 2;
inline constexpr int kMostLevels = 20;

constexpr bool cellCountAllowed(int cells) { return cells >= kMinCells && cells <= kMaxCells; }
constexpr bool levelCountAllowed(int levels) { return levels >= kFewestLevels && levels <= kMostLevels; }

}  // namespace chart
