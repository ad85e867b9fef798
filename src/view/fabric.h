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

}  // namespace view
