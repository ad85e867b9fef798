#include "chart/mosaic_sampling.h"

#include "chart/cube.h"

#include <array>
#include <vector>

namespace chart {
namespace {

// Display points of one cell that map to the same bitmap pixel, along one axis.
struct Run {
    int pixel;
    long long points;
};

// Each cell is sampled at display resolution: display point p maps to pixel p * pixels div displayed.
// Consecutive points often map to the same pixel, so one run per pixel carries their number.
std::vector<std::vector<Run>> runsPerCell(int cells, int cellSize, int pixels) {
    const long long displayed = static_cast<long long>(cells) * cellSize;
    std::vector<std::vector<Run>> runs(static_cast<std::size_t>(cells));
    for (int cell = 0; cell < cells; ++cell) {
        for (long long p = static_cast<long long>(cell) * cellSize; p < static_cast<long long>(cell + 1) * cellSize; ++p) {
            const int pixel = static_cast<int>(p * pixels / displayed);
            auto& cellRuns = runs[static_cast<std::size_t>(cell)];
            if (!cellRuns.empty() && cellRuns.back().pixel == pixel) {
                ++cellRuns.back().points;
            } else {
                cellRuns.push_back(Run{pixel, 1});
            }
        }
    }
    return runs;
}

class CellSampler {
public:
    CellSampler(ChartModel& model, const palette::ColourTable& table, SamplingMode mode, bool boundary,
                std::vector<Rgb>* sampled)
        : model_(model), cube_(model.cube), table_(table), mode_(mode), boundary_(boundary), sampled_(sampled),
          runsX_(runsPerCell(model.columns, model.cellWidth, model.source.width())),
          runsY_(runsPerCell(model.rows, model.cellHeight, model.source.height())),
          tally_(cube_.counts.size(), 0), tallySums_(sampled ? cube_.counts.size() : 0) {
        for (int v = 0; v < 256; ++v) {
            const CubeCell c = quantise(cube_, Rgb{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v),
                                                   static_cast<std::uint8_t>(v)});
            levelOfValue_[0][v] = c.r;
            levelOfValue_[1][v] = c.g;
            levelOfValue_[2][v] = c.b;
        }
    }

    void sample(int column, int row) {
        long long sums[3] = {0, 0, 0};
        const long long n = static_cast<long long>(model_.cellWidth) * model_.cellHeight;
        for (const Run& x : runsX_[static_cast<std::size_t>(column)]) {
            for (const Run& y : runsY_[static_cast<std::size_t>(row)]) {
                const Rgb p = model_.source.at(x.pixel, y.pixel);
                const long long points = x.points * y.points;
                sums[0] += p.r * points;
                sums[1] += p.g * points;
                sums[2] += p.b * points;
                const std::size_t offset = cube_.counts.offset(levelOfValue_[0][p.r], levelOfValue_[1][p.g], levelOfValue_[2][p.b]);
                if (tally_[offset] == 0) touched_.push_back(offset);
                tally_[offset] += points;
                if (sampled_) {
                    auto& own = tallySums_[offset];
                    own[0] += p.r * points;
                    own[1] += p.g * points;
                    own[2] += p.b * points;
                }
            }
        }

        // The dominant cube cell: the largest tally, the first in red-green-blue order on a tie.
        std::size_t dominant = 0;
        long long largest = 0;
        for (std::size_t offset : touched_) {
            const long long t = tally_[offset];
            if (t > largest || (t == largest && offset < dominant)) {
                largest = t;
                dominant = offset;
            }
            tally_[offset] = 0;
        }

        const bool dominantWins = (boundary_ && largest >= n / 2) || largest >= 4 * n / 5;
        const Rgb average{static_cast<std::uint8_t>(sums[0] / n), static_cast<std::uint8_t>(sums[1] / n),
                          static_cast<std::uint8_t>(sums[2] / n)};
        const Rgb chosen = dominantWins ? cube_.levelColour(cube_.counts.cellAt(dominant)) : average;
        if (sampled_) {
            // Colours chosen for their look keep a dominant colour as its own samples average, not
            // rounded to its cube cell's level colour.
            Rgb kept = average;
            if (dominantWins) {
                const auto& own = tallySums_[dominant];
                kept = Rgb{static_cast<std::uint8_t>(own[0] / largest), static_cast<std::uint8_t>(own[1] / largest),
                           static_cast<std::uint8_t>(own[2] / largest)};
            }
            (*sampled_)[static_cast<std::size_t>(column) * kGridSize + static_cast<std::size_t>(row)] = kept;
            for (std::size_t offset : touched_) tallySums_[offset] = {0, 0, 0};
        }
        touched_.clear();

        const CubeCell cell = mode_ == SamplingMode::Diffuse ? quantiseWithDiffusion(cube_, table_, chosen)
                                                             : quantise(cube_, chosen);
        ++cube_.counts.at(cell);
        model_.cell(column, row) = pack(cell);
        model_.cellColour(column, row) = cube_.levelColour(cell);
    }

private:
    ChartModel& model_;
    QuantisationCube& cube_;
    const palette::ColourTable& table_;
    SamplingMode mode_;
    bool boundary_;
    std::vector<std::vector<Run>> runsX_;
    std::vector<std::vector<Run>> runsY_;
    std::vector<Rgb>* sampled_;
    std::vector<long long> tally_;
    std::vector<std::array<long long, 3>> tallySums_;  // per cube cell, only while colours are kept
    std::vector<std::size_t> touched_;
    int levelOfValue_[3][256];
};

}  // namespace

std::string mosaicRefusal(const ChartModel& model) {
    if (model.source.empty()) return "there is no picture";
    if (model.cellWidth < 1 || model.cellHeight < 1) return "the cell size must be at least 1";
    if (!cellCountAllowed(model.displayWidth / model.cellWidth) || !cellCountAllowed(model.displayHeight / model.cellHeight)) {
        return "the chart must be " + std::to_string(kMinCells) + " to " + std::to_string(kMaxCells) +
               " cells each way";
    }
    return {};
}

std::string makeMosaic(ChartModel& model, const palette::ColourTable& table, SamplingMode mode, bool boundary,
                       std::vector<Rgb>* sampled) {
    std::string refusal = mosaicRefusal(model);
    if (!refusal.empty()) return refusal;
    const int columns = model.displayWidth / model.cellWidth;
    const int rows = model.displayHeight / model.cellHeight;

    model.columns = columns;
    model.rows = rows;
    // The display shrinks to whole cells; the last partial column and row are not sampled.
    model.displayWidth = columns * model.cellWidth;
    model.displayHeight = rows * model.cellHeight;

    CellSampler sampler(model, table, mode, boundary, sampled);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) sampler.sample(column, row);
    }
    return {};
}

}  // namespace chart
