#pragma once

#include "chart/chart_model.h"
#include "palette/colour_table.h"

#include <string>

// Small tables and models for the chart tests.
namespace chart_test {

// An entry that is compared in the colour it shows, and whose sum is its channel total.
inline palette::ColourEntry entry(const std::string& code, int r, int g, int b) {
    return palette::ColourEntry{code, "name " + code, r, g, b, r + g + b, r, g, b, ""};
}

// The eight corners of the colour cube, brightest first: every 2-level cube cell matches one exactly.
inline palette::ColourTable cornerTable() {
    return {entry("W", 255, 255, 255), entry("Y", 255, 255, 0), entry("M", 255, 0, 255), entry("C", 0, 255, 255),
            entry("R", 255, 0, 0),     entry("G", 0, 255, 0),   entry("B", 0, 0, 255),   entry("K", 0, 0, 0)};
}

// A model whose cube has these level counts, every cell uncounted and without a code.
inline chart::ChartModel modelWithCube(chart::LevelCounts levels) {
    chart::ChartModel model;
    model.cube.levels = levels;
    model.cube.counts = chart::CubeArray<std::int32_t>(levels, 0);
    model.cube.codes = chart::CubeArray<std::int16_t>(levels, chart::kNoCode);
    return model;
}

// A model showing the bitmap at its own size.
inline chart::ChartModel modelFor(const platform::Bitmap& picture, int cellWidth, int cellHeight) {
    chart::ChartModel model;
    model.source = picture;
    model.displayWidth = picture.width();
    model.displayHeight = picture.height();
    model.cellWidth = cellWidth;
    model.cellHeight = cellHeight;
    return model;
}

}  // namespace chart_test
