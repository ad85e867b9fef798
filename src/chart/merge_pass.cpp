#include "chart/merge_pass.h"

namespace chart {
namespace {

constexpr int kChainSteps = 10;

// Follows the rest of a merge chain from a cell whose count is a marker.
CubeCell followChain(const QuantisationCube& cube, std::int32_t marker) {
    CubeCell cell = unpack(mergeTarget(marker));
    for (int step = 0; step < kChainSteps; ++step) {
        const std::int32_t count = cube.counts.at(cell);
        if (count >= 0) break;
        cell = unpack(mergeTarget(count));
    }
    return cube.counts.at(cell) != 0 ? cell : CubeCell{};
}

// The cube cell a grid cell ends on, or nothing when its cube cell was not merged.
bool resolveCell(const QuantisationCube& cube, std::int32_t packed, CubeCell& cell) {
    cell = unpack(packed);
    const std::int32_t own = cube.counts.at(cell);
    if (own >= 0) return false;
    cell = unpack(mergeTarget(own));
    const std::int32_t next = cube.counts.at(cell);
    if (next == 0) {
        cell = CubeCell{};
    } else if (next < 0) {
        cell = followChain(cube, next);
    }
    return true;
}

}  // namespace

void applyMerges(ChartModel& model) {
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            std::int32_t& packed = model.cell(column, row);
            if (packed < 0) continue;
            CubeCell cell;
            if (!resolveCell(model.cube, packed, cell)) continue;
            packed = pack(cell);
            model.cellColour(column, row) = model.cube.levelColour(cell);
        }
    }
}

}  // namespace chart
