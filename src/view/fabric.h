#pragma once

#include <string>

namespace view {

// The cloth the chart will be stitched on: the size of one count in its unit ("mm" or "cm"), the
// next larger unit the chart's size is shown in ("cm" or "m"), and its name from the fabric list.
struct Fabric {
    double countSize = 1.0;
    std::string unit = "mm";
    std::string largeUnit = "cm";
    std::string name;
};

// A count size as the program writes it, in the saved options and in the size texts: two decimals,
// thousands grouped, right-aligned in six characters.
std::string formatCountSize(double countSize);

}  // namespace view
