#include "chart/colour_distance.h"

#include <gtest/gtest.h>

#include <cmath>

using chart::ColourDistance;
using chart::rankPattern;
using chart::rankPatternText;
using chart::Triple;

namespace {
std::string patternOf(Triple t) { return rankPatternText(rankPattern(t)); }
std::string snappedPatternOf(const ColourDistance& d, Triple t) { return patternOf(d.snapped(t)); }
}  // namespace

TEST(RankPattern, LargestIsOneAndEqualValuesShareARank) {
    EXPECT_EQ(patternOf({10, 30, 20}), "312");
    EXPECT_EQ(patternOf({50, 200, 200}), "211");
    EXPECT_EQ(patternOf({200, 100, 100}), "122");
    EXPECT_EQ(patternOf({7, 7, 7}), "111");
    EXPECT_EQ(patternOf({9, 9, 1}), "112");
    EXPECT_EQ(patternOf({9, 1, 9}), "121");
    EXPECT_EQ(patternOf({1, 5, 5}), "211");
    EXPECT_EQ(patternOf({1, 2, 3}), "321");
    EXPECT_EQ(patternOf({3, 1, 2}), "132");
}

TEST(ColourDistance, SnapToleranceFollowsTheHueWeight) {
    EXPECT_EQ(ColourDistance(10).snapTolerance(), 3);
    EXPECT_EQ(ColourDistance(15).snapTolerance(), 5);
    EXPECT_EQ(ColourDistance(7).snapTolerance(), 1);
    EXPECT_EQ(ColourDistance(0).snapTolerance(), 1);  // (0 - 6) div 2 + 1 = -2, held at 1
}

TEST(ColourDistance, GreenAndBlueSnapToRedOnly) {
    const ColourDistance d(10);
    EXPECT_EQ(snappedPatternOf(d, {200, 203, 100}), "112");
    EXPECT_EQ(snappedPatternOf(d, {200, 204, 100}), "213");
    // Green and blue within the tolerance of each other but not of red stay apart.
    EXPECT_EQ(snappedPatternOf(d, {100, 150, 152}), "321");
}

TEST(ColourDistance, HueFactorsForTheDefaultWeight) {
    const ColourDistance d(10);
    using P = chart::RankPattern;
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P111, P::P111), 1.0);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P111, P::P123), 1.8);  // grey candidate
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P123, P::P111), 3.0);  // grey reference
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P213, P::P213), 1.0);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P112, P::P213), 1.1);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P213, P::P112), 1.1);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P122, P::P132), 1.2);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P132, P::P122), 1.1);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P312, P::P213), 1.2);
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P122, P::P213), 2.5);  // a pair the table does not name
    EXPECT_DOUBLE_EQ(d.hueFactor(P::P112, P::P211), 2.5);
    EXPECT_DOUBLE_EQ(ColourDistance(15).hueFactor(P::P123, P::P321), 1.0 + 1.5 * 1.5);
}

TEST(ColourDistance, IsEuclideanTimesTheFactorAndNotSymmetric) {
    const ColourDistance d(10);
    const Triple grey{100, 100, 100};
    const Triple red{160, 100, 100};  // "122"
    EXPECT_DOUBLE_EQ(d(grey, grey), 0.0);
    EXPECT_DOUBLE_EQ(d(red, grey), 60.0 * 1.8);  // grey candidate
    EXPECT_DOUBLE_EQ(d(grey, red), 60.0 * 3.0);  // grey reference
    // The raw values make the distance even when snapping hides the difference in the pattern.
    EXPECT_DOUBLE_EQ(d({200, 203, 100}, {200, 200, 100}), 3.0);
}

TEST(ColourDistance, ProductIsRoundedOnceAsWritten) {
    // e and the factor are each doubles; their product must not be fused into another rounding.
    // "132" against "312" is a pair the table does not name: k = 1.5.
    const ColourDistance d(15);
    const double e = std::sqrt(20.0 * 20 + 20.0 * 20);
    volatile double factor = 1.0 + (15 / 10.0) * 1.5;
    EXPECT_EQ(d({10, 30, 20}, {30, 10, 20}), e * factor);
}
