#pragma once

// A second, deliberately plain implementation of the chart pipeline, written step by step from the
// description of how a chart is made and kept free of every shortcut the engine takes (no factor
// tables, no sorted tallies, no cached keys). Tests run both on the same input and expect the same
// chart, so any speed-up in the engine that changes a result shows up as a difference.

#include "chart/chart_model.h"
#include "chart/pipeline.h"
#include "palette/colour_table.h"

#include <array>
#include <string>

namespace literal {

struct Triple {
    int r = 0;
    int g = 0;
    int b = 0;
};

// The three channel ranks as text, red first: "123", "111", "212", …
std::string rankPattern(Triple t);

// The distance of candidate x from reference m for hue weight W.
double colourDistance(int hueWeight, Triple m, Triple x);

int nearestCodeWindow(int entries);
int nearestCode(const palette::ColourTable& table, int hueWeight, int r, int g, int b);

int levelValue(int level, int levels);

// "%.6d:r:g:b", and the order the working list is sorted in.
std::string reductionKey(int count, int r, int g, int b);
bool keyBefore(const std::string& a, const std::string& b);
bool parseKey(const std::string& key, int& r, int& g, int& b);

// The rare-count thresholds lo, lo + step, … below hi that a reduction with this pivot count tries.
struct Thresholds {
    int lo = 0;
    int hi = 0;
    int step = 1;
};
Thresholds thresholdsFor(int pivotCount);

// Empties the table's symbols, refills the colour list and returns the number of distinct colours.
int countColoursInUse(chart::ChartModel& model, palette::ColourTable& table);

extern const std::array<const char*, chart::kColourListRows> kSymbols;

chart::ChartOutcome makeChart(chart::ChartModel& model, palette::ColourTable& table,
                              const chart::ChartRequest& request);

}  // namespace literal
