#include "chart/appearance_choice.h"
#include "chart/perceived_colour.h"
#include "chart/pipeline.h"
#include "chart/thread_choice.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace chart;

// Published CIEDE2000 test pairs (Sharma, Wu and Dalal), chosen for the hard parts of the formula:
// hue angles either side of 0 and 180, the mean hue across 360, a grey, and large differences.
TEST(PerceivedDifference, MatchesThePublishedPairs) {
    struct Pair {
        Lab x;
        Lab y;
        double difference;
    };
    const Pair pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 3.1571, -77.2803}, {50, 0, -82.7485}, 2.8615},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, -1, 2}, {50, 0, 0}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
        {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(perceivedDifference(p.x, p.y), p.difference, 5e-5) << p.x.l << " " << p.x.a << " " << p.x.b;
    }
    // sRGB primaries and white land where CIELAB puts them under D65.
    const Lab red = labOf(Rgb{255, 0, 0});
    EXPECT_NEAR(red.l, 53.24, 0.01);
    EXPECT_NEAR(red.a, 80.09, 0.01);
    EXPECT_NEAR(red.b, 67.20, 0.01);
    const Lab white = labOf(Rgb{255, 255, 255});
    EXPECT_NEAR(white.l, 100, 1e-3);
    EXPECT_NEAR(std::hypot(white.a, white.b), 0, 1e-3);
}

namespace {

// Six flat bands of picture colours with different shares, and ten threads near them and between
// them: the best three threads are not the three a greedy start takes.
const Rgb kBands[] = {{20, 20, 30}, {60, 40, 35}, {200, 60, 50}, {230, 200, 60}, {90, 160, 210}, {245, 245, 240}};
const int kBandRows[] = {10, 3, 5, 2, 6, 6};

palette::ColourTable tenThreads() {
    using chart_test::entry;
    palette::ColourTable table{entry("a", 250, 250, 250), entry("b", 235, 205, 70), entry("c", 200, 180, 170),
                               entry("d", 100, 170, 200), entry("e", 210, 70, 60),  entry("f", 130, 110, 100),
                               entry("g", 70, 50, 40),    entry("h", 40, 60, 90),   entry("i", 25, 25, 25),
                               entry("j", 5, 5, 5)};
    std::sort(table.begin(), table.end(), [](const auto& x, const auto& y) { return x.sum > y.sum; });
    return table;
}

Bitmap bands() {
    Bitmap picture(16, 32);
    int y = 0;
    for (std::size_t band = 0; band < std::size(kBands); ++band) {
        for (int row = 0; row < kBandRows[band]; ++row, ++y) {
            for (int x = 0; x < 16; ++x) picture.set(x, y, kBands[band]);
        }
    }
    return picture;
}

Lab labOfEntry(const palette::ColourEntry& e) { return labOf(Rgb{std::uint8_t(e.r), std::uint8_t(e.g), std::uint8_t(e.b)}); }

double closestDifference(const Lab& colour, const std::vector<Lab>& chosen) {
    double best = 1e9;
    for (const Lab& t : chosen) best = std::min(best, perceivedDifference(colour, t));
    return best;
}

ChartRequest appearanceRequest(int maxColours, bool smoothing) {
    ChartRequest r{"ten", LevelCounts{8, 8, 8}, palette::kDefaultHueWeight, maxColours, smoothing, false};
    r.appearance = true;
    return r;
}

}  // namespace

// Every three of the ten threads, tried in turn, give the best choice; the chart must take it, and
// show each band in the chosen thread closest to it.
TEST(AppearanceChart, TakesTheBestChoiceOfAPictureWhoseBestIsKnown) {
    palette::ColourTable table = tenThreads();
    std::set<std::string> best;
    double bestTotal = 1e18;
    for (int i = 0; i < 10; ++i) {
        for (int j = i + 1; j < 10; ++j) {
            for (int k = j + 1; k < 10; ++k) {
                double total = 0;
                for (std::size_t band = 0; band < std::size(kBands); ++band) {
                    total += kBandRows[band] * closestDifference(labOf(kBands[band]), {labOfEntry(table[i]),
                                                                 labOfEntry(table[j]), labOfEntry(table[k])});
                }
                if (total < bestTotal) {
                    bestTotal = total;
                    best = {table[i].code, table[j].code, table[k].code};
                }
            }
        }
    }

    ChartModel model = chart_test::modelFor(bands(), 1, 1);
    const ChartOutcome outcome = makeChart(model, table, appearanceRequest(3, true));
    ASSERT_EQ(outcome.message, "");
    EXPECT_EQ(outcome.reduction.colours, 3);
    std::set<std::string> used;
    for (int i = 0; i < model.colourList.coloursInUse; ++i) used.insert(model.colourList.rows[i].code);
    EXPECT_EQ(used, best);

    // The chart's cells lie in the chosen threads' own cube cells, so key, painting and workbook read
    // them through the cube codes as any chart's.
    std::vector<Lab> chosen;
    for (const auto& e : table) {
        if (best.count(e.code)) chosen.push_back(labOfEntry(e));
    }
    for (int row = 0; row < model.rows; ++row) {
        const Lab wanted = labOf(bands().at(0, row));
        const Rgb shown = model.cellColour(0, row);
        EXPECT_NEAR(perceivedDifference(wanted, labOf(shown)), closestDifference(wanted, chosen), 1e-9) << row;
        const palette::ColourEntry& thread = table[model.cube.codes.at(unpack(model.cell(0, row)))];
        EXPECT_EQ(Rgb(std::uint8_t(thread.r), std::uint8_t(thread.g), std::uint8_t(thread.b)), shown) << row;
    }
}

// The choice never exceeds the maximum, even below the colours a cube of 8 cells could hold, and the
// same picture gives the same chart, with and without carrying differences on.
TEST(AppearanceChart, KeepsToTheMaximumAndIsRepeatable) {
    for (const bool smoothing : {true, false}) {
        for (const int most : {1, 4, 9}) {
            palette::ColourTable table = tenThreads();
            ChartModel first = chart_test::modelFor(bands(), 1, 1);
            ChartRequest request = appearanceRequest(most, smoothing);
            request.levels = LevelCounts{2, 2, 2};
            ASSERT_EQ(makeChart(first, table, request).message, "");
            EXPECT_LE(first.colourList.coloursInUse, most);
            ChartModel second = chart_test::modelFor(bands(), 1, 1);
            makeChart(second, table, request);
            EXPECT_EQ(first.grid, second.grid) << most;
        }
    }
}

// The codes an appearance chart sets in the cube are not the nearest-code ones: the next ordinary
// chart works them out again and is the chart a fresh start makes.
TEST(AppearanceChart, LeavesNoCodesBehindForTheNextChart) {
    palette::ColourTable table = tenThreads();
    ChartModel reused = chart_test::modelFor(bands(), 1, 1);
    ASSERT_EQ(makeChart(reused, table, appearanceRequest(3, true)).message, "");
    ChartRequest plain = appearanceRequest(3, true);
    plain.appearance = false;
    makeChart(reused, table, plain);
    ChartModel fresh = chart_test::modelFor(bands(), 1, 1);
    makeChart(fresh, table, plain);
    EXPECT_EQ(reused.grid, fresh.grid);
    EXPECT_EQ(reused.picture, fresh.picture);
    EXPECT_FALSE(reused.options.appearance);
}
