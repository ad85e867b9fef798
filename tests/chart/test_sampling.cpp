#include "chart/cube.h"
#include "chart/mosaic_sampling.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

// A chart has at least 8 cells each way: the picture repeated 8 x 8 times, its first copy under test.
ChartModel repeated(ChartModel model, int times = chart::kMinCells) {
    const Bitmap& one = model.source;
    Bitmap many(one.width() * times, one.height() * times);
    for (int y = 0; y < many.height(); ++y) {
        for (int x = 0; x < many.width(); ++x) many.set(x, y, one.at(x % one.width(), y % one.height()));
    }
    model.source = many;
    model.displayWidth *= times;
    model.displayHeight *= times;
    return model;
}

// Samples the model into a cube with the corner table.
ChartModel sampled(ChartModel model, int levels, bool boundary) {
    const auto table = chart_test::cornerTable();
    model = repeated(model);
    EXPECT_EQ(buildCube(model.cube, LevelCounts{levels, levels, levels}, table, ColourDistance(10)), "");
    EXPECT_EQ(makeMosaic(model, table, SamplingMode::Smooth, boundary), "");
    return model;
}

ChartModel sampled(const Bitmap& picture, int cell, int levels, bool boundary) {
    return sampled(chart_test::modelFor(picture, cell, cell), levels, boundary);
}

// A 3x3 picture with the first `first` pixels (column by column) in one colour and the rest in another.
Bitmap nineSamples(int first, Rgb a, Rgb b) {
    Bitmap picture(3, 3, b);
    for (int i = 0; i < first; ++i) picture.set(i / 3, i % 3, a);
    return picture;
}

}  // namespace

TEST(Sampling, DominantShareIsSevenOfNineOrFourWithBoundaryEmphasis) {
    // Three levels (0, 128, 255). Red is (2, 0, 0); 6 red and 3 blue average to (170, 0, 85) = (1, 0, 1).
    EXPECT_EQ(unpack(sampled(nineSamples(7, kRed, kBlue), 3, 3, false).cell(0, 0)), (CubeCell{2, 0, 0}));
    EXPECT_EQ(unpack(sampled(nineSamples(6, kRed, kBlue), 3, 3, false).cell(0, 0)), (CubeCell{1, 0, 1}));
    EXPECT_EQ(unpack(sampled(nineSamples(6, kRed, kBlue), 3, 3, true).cell(0, 0)), (CubeCell{2, 0, 0}));
    EXPECT_EQ(unpack(sampled(nineSamples(4, kRed, kBlue), 3, 3, true).cell(0, 0)), (CubeCell{0, 0, 2}));
    // Three colours of three samples each: no share reaches 4, so the average (85, 85, 85) is taken.
    Bitmap thirds(3, 3, kBlue);
    for (int y = 0; y < 3; ++y) {
        thirds.set(0, y, kRed);
        thirds.set(1, y, kGreen);
    }
    EXPECT_EQ(unpack(sampled(thirds, 3, 3, true).cell(0, 0)), (CubeCell{1, 1, 1}));
}

TEST(Sampling, AnEvenSplitGoesToTheCubeCellVisitedFirst) {
    // Half red, half blue in a 4x1 cell: with emphasis the tie goes to blue (0, 0, 1), whose red level is
    // lower; without it the average (127, 0, 127) rounds to black.
    Bitmap picture(4, 1, kBlue);
    picture.set(0, 0, kRed);
    picture.set(1, 0, kRed);
    auto cellOf = [&](bool boundary) {
        ChartModel model = chart_test::modelFor(picture, 4, 1);
        return unpack(sampled(model, 2, boundary).cell(0, 0));
    };
    EXPECT_EQ(cellOf(true), (CubeCell{0, 0, 1}));
    EXPECT_EQ(cellOf(false), (CubeCell{0, 0, 0}));
}
