#include "chart/nearest_code.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using chart::ColourDistance;
using chart::nearestCode;
using palette::ColourTable;

using chart_test::entry;

TEST(NearestCode, ExactMatchEndsTheSearchAndTheEarlierEntryWinsTies) {
    const ColourTable table{entry("a", 200, 10, 10), entry("first", 100, 50, 25), entry("twin", 100, 50, 25),
                            entry("b", 10, 10, 10)};
    const ColourDistance d(10);
    EXPECT_EQ(nearestCode(table, d, 100, 50, 25), 1);
}

TEST(NearestCode, MatchColourIsComparedAndTheHueFactorDecides) {
    ColourTable table{entry("reddish", 150, 100, 100), entry("grey", 110, 110, 110)};
    const ColourDistance d(10);
    // (120, 100, 100) is "122": the grey entry is nearer in plain distance (17.3 against 30), but as a
    // grey reference it counts three times (52.0), so the reddish entry wins.
    EXPECT_EQ(nearestCode(table, d, 120, 100, 100), 0);
    // The match colour, not the shown one, is what the distance sees.
    table[0].matchR = 120;
    table[1].matchR = table[1].matchG = table[1].matchB = 0;
    EXPECT_EQ(nearestCode(table, d, 120, 100, 100), 0);
}

TEST(NearestCode, OnlyEntriesWithinTheBrightnessWindowAreSearched) {
    // Ten entries give the window 600. The fillers' sums put them above every window.
    ColourTable table;
    for (int i = 0; i < 8; ++i) {
        table.push_back(entry("filler", 255, 255, 255));
        table.back().sum = 2000;
    }
    table.push_back(entry("blue", 0, 0, 255));
    table.push_back(entry("black", 0, 0, 0));
    const ColourDistance d(10);
    // Black is nearer to this grey (346 against 288 x 1.8), but its sum 0 lies at 600 - 600 or below.
    EXPECT_EQ(nearestCode(table, d, 200, 200, 200), 8);
    // One step darker and black is inside the window again.
    EXPECT_EQ(nearestCode(table, d, 199, 200, 200), 9);
}
