#include "chart/cube.h"

#include "chart/nearest_code.h"

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

constexpr int kCarryDivisor = 15;

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

int quantiserStep(const QuantisationCube& cube) { return 256 / (cube.levels.red - 1); }

int levelOf(int value, int step, int levels) { return std::clamp(roundHalfEven(static_cast<double>(value) / step), 0, levels - 1); }

}  // namespace

int levelValue(int level, int levels) { return level == levels - 1 ? 255 : level * (256 / (levels - 1)); }

bool cubeCodesWanted(const QuantisationCube& cube, LevelCounts levels, const palette::ColourTable& table,
                     const ColourDistance& distance) {
    // Codes are kept between charts because working them out is the costly part of a chart. Kept
    // codes of another shape would be read out of place, and codes of another table could index past
    // its end, so whatever they were worked out from must still hold, whatever the flag says.
    return cube.rebuildCodes || cube.codes.atOffset(0) == kNoCode || cube.codes.levels() != levels ||
           cube.codesSource != codesSourceOf(table, distance);
}

std::string buildCube(QuantisationCube& cube, LevelCounts levels, const palette::ColourTable& table,
                      const ColourDistance& distance) {
    if (!levelCountAllowed(levels.red) || !levelCountAllowed(levels.green) || !levelCountAllowed(levels.blue)) {
        return "level counts must lie from " + std::to_string(kFewestLevels) + " to " + std::to_string(kMostLevels);
    }
    cube.levels = levels;
    const int counts[3] = {levels.red, levels.green, levels.blue};
    for (int channel = 0; channel < 3; ++channel) {
        cube.levelValues[channel].fill(0);
        for (int i = 0; i < counts[channel]; ++i) cube.levelValues[channel][i] = levelValue(i, counts[channel]);
    }
    cube.carry = {0, 0, 0};
    cube.counts = CubeArray<std::int32_t>(levels, 0);
    if (cubeCodesWanted(cube, levels, table, distance)) fillCubeCodes(cube, table, distance);
    return {};
}

CubeCell quantise(const QuantisationCube& cube, Rgb colour) {
    const int step = quantiserStep(cube);
    return CubeCell{levelOf(colour.r, step, cube.levels.red), levelOf(colour.g, step, cube.levels.green),
                    levelOf(colour.b, step, cube.levels.blue)};
}

CubeCell quantiseWithDiffusion(QuantisationCube& cube, const palette::ColourTable& table, Rgb colour) {
    const int own[3] = {colour.r, colour.g, colour.b};
    int v[3];
    for (int c = 0; c < 3; ++c) v[c] = own[c] + cube.carry[c];

    // Bring the sum back into 0..255 while keeping its hue: scale down from the top, then up from the bottom.
    const int mx = std::max({v[0], v[1], v[2]});
    if (mx > 255) {
        for (int& x : v) {
            if (x > 0) x = roundHalfEven(static_cast<double>(x) / mx * 255);
        }
    }
    const int mn = std::min({v[0], v[1], v[2]});
    if (mn < 0) {
        for (int& x : v) {
            if (x < 255) x = 255 - roundHalfEven(static_cast<double>(255 - x) / (255 - mn) * 255);
        }
    }

    const int step = quantiserStep(cube);
    const CubeCell cell{levelOf(v[0], step, cube.levels.red), levelOf(v[1], step, cube.levels.green),
                        levelOf(v[2], step, cube.levels.blue)};

    // The carry is the error of this cell only, measured against the code colour it will show; a cube
    // cell without a code colour has nothing to measure against and passes none.
    const int code = cube.codes.at(cell);
    if (code < 0) {
        cube.carry = {0, 0, 0};
    } else {
        const palette::ColourEntry& shown = table[static_cast<std::size_t>(code)];
        cube.carry = {(own[0] - shown.r) / kCarryDivisor, (own[1] - shown.g) / kCarryDivisor,
                      (own[2] - shown.b) / kCarryDivisor};
    }
    return cell;
}

void recountCube(ChartModel& model) {
    CubeArray<std::int32_t>& counts = model.cube.counts;
    for (std::size_t i = 0; i < counts.size(); ++i) counts.atOffset(i) = 0;
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            const std::int32_t packed = model.cell(column, row);
            if (packed >= 0) ++counts.at(unpack(packed));
        }
    }
}

}  // namespace chart
