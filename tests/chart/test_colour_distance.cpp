#include "chart/colour_distance.h"

#include <gtest/gtest.h>

#include <cmath>

using chart::ColourDistance;
using chart::rankPattern;
using chart::Triple;
using P = chart::RankPattern;

TEST(RankPattern, LargestIsOneAndEqualValuesShareARank) {
    const std::pair<Triple, P> cases[] = {
        {{10, 30, 20}, P::P312}, {{50, 200, 200}, P::P211}, {{200, 100, 100}, P::P122}, {{7, 7, 7}, P::P111},
        {{9, 9, 1}, P::P112},    {{9, 1, 9}, P::P121},      {{1, 2, 3}, P::P321},       {{3, 1, 2}, P::P132},
    };
    for (const auto& [triple, pattern] : cases) EXPECT_EQ(rankPattern(triple), pattern) << triple.a << triple.b << triple.c;
}

TEST(ColourDistance, IsEuclideanTimesTheFactorAndNotSymmetric) {
    const ColourDistance d(10);
    const Triple grey{100, 100, 100};
    const Triple red{160, 100, 100};  // "122"
    EXPECT_DOUBLE_EQ(d(grey, grey), 0.0);
    EXPECT_DOUBLE_EQ(d(red, grey), 60.0 * 1.8);  // grey candidate
    EXPECT_DOUBLE_EQ(d(grey, red), 60.0 * 3.0);  // grey reference
    // Green and blue snap to red within the tolerance (3 for this weight), so (200, 203, 100) reads as
    // "112" like (200, 200, 100), but the raw values make the distance. (200, 204, 100) is "213": 1.1.
    EXPECT_DOUBLE_EQ(d({200, 203, 100}, {200, 200, 100}), 3.0);
    EXPECT_DOUBLE_EQ(d({200, 204, 100}, {200, 200, 100}), 4.0 * 1.1);
    // Green and blue within the tolerance of each other but not of red stay apart.
    EXPECT_EQ(rankPattern(d.snapped({100, 150, 152})), P::P321);
}

TEST(ColourDistance, ProductIsRoundedOnceAsWritten) {
    // e and the factor are each doubles; their product must not be fused into another rounding.
    // "132" against "312" is a pair the table does not name: k = 1.5.
    const ColourDistance d(15);
    const double e = std::sqrt(20.0 * 20 + 20.0 * 20);
    volatile double factor = 1.0 + (15 / 10.0) * 1.5;
    EXPECT_EQ(d({10, 30, 20}, {30, 10, 20}), e * factor);
}
