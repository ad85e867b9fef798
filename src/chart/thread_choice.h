#pragma once

#include "chart/perceived_colour.h"

#include <vector>

namespace chart {

// A colour of the picture and how many cells show it.
struct WeightedColour {
    Lab colour;
    double weight = 0;
};

// Chooses at most `most` of the thread colours so that, each picture colour shown in its closest
// chosen thread, the weighted sum of perceived differences is as small as the search gets it. Returns
// indices into threads in the order they were chosen. The same inputs always give the same choice.
std::vector<int> chooseThreads(const std::vector<WeightedColour>& colours, const std::vector<Lab>& threads, int most);

}  // namespace chart
