#pragma once

#include "chart/chart_limits.h"
#include "palette/fabric.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the size and count dialog computes while the user edits: the cells a spin edit's text stands
// for, the count size in the hundredths its small spin edit steps, the stitched width and height,
// and which fabric of the list a count size belongs to.
namespace app {

inline constexpr int kFewestDialogCells = 1;
inline constexpr int kMostDialogCells = chart::kMaxCells;
inline constexpr int kFewestHundredths = 1;
inline constexpr int kMostHundredths = 10000;

// The cells a cell spin edit's text stands for, and the number to write back into it when the text
// is out of range. An empty text counts as one cell and is filled in only when forced, so that the
// user can clear the edit to type a new number.
struct CellEntry {
    int cells = kFewestDialogCells;
    std::optional<int> correction;
    friend bool operator==(const CellEntry&, const CellEntry&) = default;
};
CellEntry readCellEntry(std::string_view text, bool force);

// A count size in hundredths of its unit, halves to even.
int countSizeHundredths(double countSize);

// A typed count size in hundredths, kept within what the small spin edit can step; nullopt when the
// text is not a number.
std::optional<int> typedCountSize(std::string_view text);

// "横 9.1cm" and "縦 10.9cm": the stitched width and height in the fabric's large unit.
std::string widthText(int cellsAcross, const palette::Fabric& fabric);
std::string heightText(int cellsDown, const palette::Fabric& fabric);

// The fabric a count size belongs to: the first of that exact size and unit, else the first free
// size in that unit; -1 when the list has neither.
int fabricForSize(const std::vector<palette::Fabric>& fabrics, double countSize, const std::string& unit);

// The fabric being edited once a fabric of the list is chosen: its size unless it is a free size,
// whose size stays the user's, and its unit.
palette::Fabric withFabricEntry(palette::Fabric working, const palette::Fabric& entry);

}  // namespace app
