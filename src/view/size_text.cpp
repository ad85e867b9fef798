#include "view/size_text.h"

#include <cmath>
#include <cstdio>

namespace view {
namespace {

std::string trimmed(const std::string& text) { return text.substr(text.find_first_not_of(' ')); }

std::string formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
}  // namespace

std::string stitchedLength(int cells, const palette::Fabric& fabric) {
    const double wholeUnits = std::nearbyint(cells * fabric.countSize);
    return fabric.unit == "cm" ? formatted("%.2f", wholeUnits / 100) : formatted("%.1f", wholeUnits / 10);
}

std::string sizeText(const palette::Fabric& fabric, CellCounts cells) {
    palette::Fabric shown = fabric;
    if (shown.countSize <= 0) shown.countSize = 1.0;
    const std::string large = palette::largeUnit(shown.unit);
    return shown.name + "(#" + trimmed(palette::formatCountSize(shown.countSize)) + shown.unit + ") ＜横:" +
           stitchedLength(cells.across, shown) + large + " (" + std::to_string(cells.across) + ") × 縦:" +
           stitchedLength(cells.down, shown) + large + " (" + std::to_string(cells.down) + ")＞";
}

}  // namespace view
