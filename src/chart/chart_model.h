#pragma once

#include "chart/chart_limits.h"
#include "palette/code_system.h"
#include "platform/bitmap.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace chart {

// Charts are made from and drawn into plain platform bitmaps.
using platform::Bitmap;
using platform::colourValue;
using platform::kWhite;
using platform::Rgb;

// A cube cell: one level number per channel.
struct CubeCell {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const CubeCell&, const CubeCell&) = default;
};

// Grid cells and merge markers refer to cube cells by packed index.
constexpr std::int32_t pack(int r, int g, int b) { return r * 10000 + g * 100 + b; }
constexpr std::int32_t pack(CubeCell c) { return pack(c.r, c.g, c.b); }
constexpr CubeCell unpack(std::int32_t v) { return CubeCell{v / 10000, (v % 10000) / 100, v % 100}; }

inline constexpr std::int32_t kEmptyCell = -1;
inline constexpr int kGridSize = kMaxCells + 1;
// Two decimal digits per level in a packed index.
static_assert(kMostLevels <= 100);

struct LevelCounts {
    int red = 2;
    int green = 2;
    int blue = 2;
    friend bool operator==(const LevelCounts&, const LevelCounts&) = default;
};

// A value per cube cell, red level outermost and blue level innermost.
template <typename T>
class CubeArray {
public:
    CubeArray() = default;
    CubeArray(LevelCounts n, T fill)
        : n_(n), values_(static_cast<std::size_t>(n.red) * n.green * n.blue, fill) {}

    LevelCounts levels() const { return n_; }
    std::size_t size() const { return values_.size(); }
    T& at(int r, int g, int b) { return values_[offset(r, g, b)]; }
    T at(int r, int g, int b) const { return values_[offset(r, g, b)]; }
    T& at(CubeCell c) { return at(c.r, c.g, c.b); }
    T at(CubeCell c) const { return at(c.r, c.g, c.b); }
    // Position in visiting order (red outermost), for loops that need no coordinates.
    T& atOffset(std::size_t i) { return values_[i]; }
    T atOffset(std::size_t i) const { return values_[i]; }
    CubeCell cellAt(std::size_t i) const {
        const auto gb = static_cast<std::size_t>(n_.green) * n_.blue;
        return CubeCell{static_cast<int>(i / gb), static_cast<int>((i % gb) / n_.blue), static_cast<int>(i % n_.blue)};
    }
    std::size_t offset(int r, int g, int b) const {
        return (static_cast<std::size_t>(r) * n_.green + g) * n_.blue + b;
    }

private:
    LevelCounts n_{1, 1, 1};
    std::vector<T> values_;
};

// Marks cube codes that have never been computed, and cube cells without a code colour.
inline constexpr std::int16_t kNoCode = -1;

// What the cube codes were worked out from besides the cube's shape: the colour-table entries'
// brightness sums and match colours, which are all the nearest-code search reads, and the hue weight.
struct CodesSource {
    std::size_t tableSize = 0;
    std::uint64_t tableFingerprint = 0;
    int hueWeight = -1;
    friend bool operator==(const CodesSource&, const CodesSource&) = default;
};

struct QuantisationCube {
    LevelCounts levels;
    // Entry i of a channel is the channel value that level i stands for; unused entries are 0.
    std::array<std::array<std::int32_t, kMostLevels>, 3> levelValues{};
    // Chart cells per cube cell; after reduction a merged cell holds a marker below 0.
    CubeArray<std::int32_t> counts{LevelCounts{1, 1, 1}, 0};
    // Index of the nearest colour-table entry, below 0 for none.
    CubeArray<std::int16_t> codes{LevelCounts{1, 1, 1}, kNoCode};
    CodesSource codesSource;
    // Asks the next chart to work the codes out again even though nothing they came from changed.
    bool rebuildCodes = true;
    std::array<std::int32_t, 3> carry{};  // error carried from one sampled cell to the next

    Rgb levelColour(CubeCell c) const {
        return Rgb{static_cast<std::uint8_t>(levelValues[0][c.r]), static_cast<std::uint8_t>(levelValues[1][c.g]),
                   static_cast<std::uint8_t>(levelValues[2][c.b])};
    }
};

// A merged cube cell holds -(packed(j) + 1), so that a merge into (0, 0, 0) stays below 0 and apart
// from an empty cell.
constexpr std::int32_t mergeMarker(std::int32_t packedTarget) { return -(packedTarget + 1); }
constexpr std::int32_t mergeTarget(std::int32_t marker) { return -marker - 1; }

// One row, and one chart symbol, for each colour a chart may use.
inline constexpr int kColourListRows = palette::kMostColours;

struct ColourListRow {
    std::string symbol = " ";
    std::string code = " ";
    std::string name = " ";
    std::int32_t count = 0;
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
};

// The chart's colour key: rows in the order their colours were first met.
struct ColourList {
    std::array<ColourListRow, kColourListRows> rows;
    int coloursInUse = 0;
};

// The options a chart was made with.
struct ChartOptions {
    bool smoothing = false;
    bool boundary = false;
    int maxColours = 0;
    std::string codeSystem;
    bool appearance = false;  // threads chosen for the chart's look
};

// The one chart of the program: pictures, geometry, cube, grid, key.
struct ChartModel {
    // The source picture and the size it is displayed at (it is stretched to that size).
    Bitmap source;
    int displayWidth = 0;
    int displayHeight = 0;

    int cellWidth = 1;
    int cellHeight = 1;
    int columns = 0;
    int rows = 0;

    QuantisationCube cube;
    // Packed index per cell, [column][row]; entries beyond the chart's size are left over.
    std::vector<std::int32_t> grid = std::vector<std::int32_t>(kGridSize * kGridSize, 0);
    // The chart picture is a solid rectangle per cell, so one colour per cell describes it.
    std::vector<Rgb> picture = std::vector<Rgb>(kGridSize * kGridSize, kWhite);

    ChartOptions options;
    ColourList colourList;

    std::int32_t& cell(int column, int row) { return grid[column * kGridSize + row]; }
    std::int32_t cell(int column, int row) const { return grid[column * kGridSize + row]; }
    Rgb& cellColour(int column, int row) { return picture[column * kGridSize + row]; }
    Rgb cellColour(int column, int row) const { return picture[column * kGridSize + row]; }
};

}  // namespace chart
