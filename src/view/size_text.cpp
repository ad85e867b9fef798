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


// Millimetres are shown as centimetres to one decimal and centimetres as metres to two: the stitched
// length in the fabric's unit is first rounded to whole units, halves to even.
std::string lengthText(int cells, double countSize, bool centimetres) {
    const double wholeUnits = std::nearbyint(cells * countSize);
    return centimetres ? formatted("%.2f", wholeUnits / 100) : formatted("%.1f", wholeUnits / 10);
}

}  // namespace

std::string sizeText(const Fabric& fabric, CellCounts cells) {
    const double countSize = fabric.countSize > 0 ? fabric.countSize : 1.0;
    const bool centimetres = fabric.unit == "cm";
    return fabric.name + "(#" + trimmed(formatCountSize(countSize)) + fabric.unit + ") ＜横:" +
           lengthText(cells.across, countSize, centimetres) + fabric.largeUnit + " (" + std::to_string(cells.across) +
           ") × 縦:" + lengthText(cells.down, countSize, centimetres) + fabric.largeUnit + " (" +
           std::to_string(cells.down) + ")＞";
}

}  // namespace view
