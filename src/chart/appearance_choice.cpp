#include "chart/appearance_choice.h"

#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/cube.h"
#include "chart/perceived_colour.h"
#include "chart/thread_choice.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace chart {
namespace {

// Picture colours are gathered five bits a channel: colours that close look alike, and the search
// then works on a few thousand colours rather than on every cell.
constexpr int kBinShift = 3;
constexpr int kBinsPerChannel = 256 >> kBinShift;
// A cell's colour is decided between the chosen threads nearest in straight CIELAB distance.
constexpr int kFinalists = 8;
// The share of a cell's difference carried on: all of it makes noise of flat areas.
constexpr double kCarriedShare = 0.75;

// The threads as their colours: one per shown colour, the first entry of the table that shows it.
struct Threads {
    std::vector<int> entries;
    std::vector<Lab> colours;
};

Threads distinctThreads(const palette::ColourTable& table) {
    Threads threads;
    std::unordered_map<std::int32_t, int> seen;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Rgb c = codeColour(table[i]);
        if (!seen.try_emplace(colourValue(c.r, c.g, c.b), static_cast<int>(i)).second) continue;
        threads.entries.push_back(static_cast<int>(i));
        threads.colours.push_back(labOf(c));
    }
    return threads;
}

std::vector<WeightedColour> pictureColours(const ChartModel& model, const std::vector<Rgb>& sampled,
                                           const std::vector<Lab>& cells) {
    std::vector<int> binOf(kBinsPerChannel * kBinsPerChannel * kBinsPerChannel, -1);
    std::vector<WeightedColour> bins;
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            const std::size_t at = static_cast<std::size_t>(column) * kGridSize + static_cast<std::size_t>(row);
            const Rgb c = sampled[at];
            int& bin = binOf[((c.r >> kBinShift) * kBinsPerChannel + (c.g >> kBinShift)) * kBinsPerChannel + (c.b >> kBinShift)];
            if (bin < 0) {
                bin = static_cast<int>(bins.size());
                bins.emplace_back();
            }
            WeightedColour& w = bins[static_cast<std::size_t>(bin)];
            const Lab& lab = cells[at];
            w.colour.l += lab.l;
            w.colour.a += lab.a;
            w.colour.b += lab.b;
            w.weight += 1;
        }
    }
    for (WeightedColour& w : bins) {
        w.colour.l /= w.weight;
        w.colour.a /= w.weight;
        w.colour.b /= w.weight;
    }
    return bins;
}

// The chosen thread that shows the colour best: the perceived difference decides between the few
// nearest in straight CIELAB distance, which holds the nearest by perceived difference for all but
// about one cell in a hundred, and then one that differs from it by hundredths.
int closestChosen(const Lab& colour, const std::vector<Lab>& chosen) {
    std::pair<double, int> nearest[kFinalists];
    int finalists = 0;
    for (int k = 0; k < static_cast<int>(chosen.size()); ++k) {
        const std::pair<double, int> d{labDistanceSquared(colour, chosen[static_cast<std::size_t>(k)]), k};
        if (finalists == kFinalists && !(d < nearest[kFinalists - 1])) continue;
        int at = finalists < kFinalists ? finalists++ : kFinalists - 1;
        for (; at > 0 && d < nearest[at - 1]; --at) nearest[at] = nearest[at - 1];
        nearest[at] = d;
    }
    int best = nearest[0].second;
    double bestDifference = std::numeric_limits<double>::max();
    for (int f = 0; f < finalists; ++f) {
        const double d = perceivedDifference(colour, chosen[static_cast<std::size_t>(nearest[f].second)]);
        if (d < bestDifference || (d == bestDifference && nearest[f].second < best)) {
            bestDifference = d;
            best = nearest[f].second;
        }
    }
    return best;
}

// Each cell's chosen thread, [column * kGridSize + row]. With diffusion the rows are visited in turn,
// alternately left to right and right to left, and each cell's difference goes on to its unvisited
// neighbours in the usual shares of 7, 3, 5 and 1 sixteenths.
std::vector<int> assignCells(const ChartModel& model, const std::vector<Lab>& cells, const std::vector<Lab>& chosen,
                             bool diffusion) {
    std::vector<int> slots(cells.size(), 0);
    const auto at = [](int column, int row) { return static_cast<std::size_t>(column) * kGridSize + static_cast<std::size_t>(row); };
    if (!diffusion) {
        for (int column = 0; column < model.columns; ++column) {
            for (int row = 0; row < model.rows; ++row) slots[at(column, row)] = closestChosen(cells[at(column, row)], chosen);
        }
        return slots;
    }
    const std::size_t width = static_cast<std::size_t>(model.columns) + 2;  // a spare cell at each end
    std::vector<Lab> carried(width), next(width);
    for (int row = 0; row < model.rows; ++row) {
        const bool rightward = row % 2 == 0;
        const int step = rightward ? 1 : -1;
        for (int i = 0; i < model.columns; ++i) {
            const int column = rightward ? i : model.columns - 1 - i;
            const std::size_t here = static_cast<std::size_t>(column) + 1;
            const Lab& own = cells[at(column, row)];
            const Lab wanted{own.l + carried[here].l, own.a + carried[here].a, own.b + carried[here].b};
            const int slot = closestChosen(wanted, chosen);
            slots[at(column, row)] = slot;
            const Lab& shown = chosen[static_cast<std::size_t>(slot)];
            const Lab error{(wanted.l - shown.l) * kCarriedShare / 16, (wanted.a - shown.a) * kCarriedShare / 16,
                            (wanted.b - shown.b) * kCarriedShare / 16};
            const auto share = [&error](Lab& to, double sixteenths) {
                to.l += error.l * sixteenths;
                to.a += error.a * sixteenths;
                to.b += error.b * sixteenths;
            };
            share(carried[here + step], 7);
            share(next[here - step], 3);
            share(next[here], 5);
            share(next[here + step], 1);
        }
        carried.swap(next);
        std::fill(next.begin(), next.end(), Lab{});
    }
    return slots;
}

// A cube cell of its own for each chosen thread: the one its colour rounds to, or, when another
// thread has it, the free cube cell nearest to that in levels.
std::vector<CubeCell> ownCubeCells(const QuantisationCube& cube, const palette::ColourTable& table,
                                   const std::vector<int>& entries) {
    std::vector<bool> taken(cube.counts.size(), false);
    std::vector<CubeCell> cells;
    for (int entry : entries) {
        const CubeCell wanted = quantise(cube, codeColour(table[static_cast<std::size_t>(entry)]));
        std::size_t best = cube.counts.offset(wanted.r, wanted.g, wanted.b);
        if (taken[best]) {
            int bestDistance = std::numeric_limits<int>::max();
            for (std::size_t offset = 0; offset < taken.size(); ++offset) {
                if (taken[offset]) continue;
                const CubeCell c = cube.counts.cellAt(offset);
                const int d = (c.r - wanted.r) * (c.r - wanted.r) + (c.g - wanted.g) * (c.g - wanted.g) +
                              (c.b - wanted.b) * (c.b - wanted.b);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = offset;
                }
            }
        }
        taken[best] = true;
        cells.push_back(cube.counts.cellAt(best));
    }
    return cells;
}

}  // namespace

int appearanceLevels(int levels, int maxColours) {
    while (levels < kMostLevels && levels * levels * levels < maxColours) ++levels;
    return levels;
}

int colourForAppearance(ChartModel& model, palette::ColourTable& table, const std::vector<Rgb>& sampled,
                        int maxColours, bool diffusion) {
    std::vector<Lab> cells(sampled.size());
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            const std::size_t at = static_cast<std::size_t>(column) * kGridSize + static_cast<std::size_t>(row);
            cells[at] = labOf(sampled[at]);
        }
    }
    const Threads threads = distinctThreads(table);
    const int most = std::min<int>(maxColours, static_cast<int>(model.cube.counts.size()));
    const std::vector<int> chosen = chooseThreads(pictureColours(model, sampled, cells), threads.colours, most);

    std::vector<int> entries;
    std::vector<Lab> chosenColours;
    for (int thread : chosen) {
        entries.push_back(threads.entries[static_cast<std::size_t>(thread)]);
        chosenColours.push_back(threads.colours[static_cast<std::size_t>(thread)]);
    }
    const std::vector<CubeCell> own = ownCubeCells(model.cube, table, entries);
    std::vector<std::pair<std::int32_t, int>> codes;
    for (std::size_t k = 0; k < own.size(); ++k) codes.emplace_back(pack(own[k]), entries[k]);
    keepChosenCodes(model.cube, codes);

    const std::vector<int> slots = assignCells(model, cells, chosenColours, diffusion);
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            model.cell(column, row) = pack(own[static_cast<std::size_t>(slots[static_cast<std::size_t>(column) * kGridSize + static_cast<std::size_t>(row)])]);
        }
    }
    recountCube(model);
    paintCodeColours(model, table);
    return countColoursInUse(model, table);
}

void keepChosenCodes(QuantisationCube& cube, const std::vector<std::pair<std::int32_t, int>>& chosen) {
    for (const auto& [packed, entry] : chosen) cube.codes.at(unpack(packed)) = static_cast<std::int16_t>(entry);
    // The codes no longer follow from the table alone: the next chart works them out afresh.
    cube.codesSource = CodesSource{};
}

}  // namespace chart
