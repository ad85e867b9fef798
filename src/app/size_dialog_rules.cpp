#include "app/size_dialog_rules.h"

#include "platform/text_codec.h"
#include "view/size_text.h"

#include <algorithm>
#include <cmath>

namespace app {

CellEntry readCellEntry(std::string_view text, bool force) {
    const int number = platform::parseWholeNumber(text).value_or(-1);
    if (number > kMostDialogCells) return CellEntry{kMostDialogCells, kMostDialogCells};
    if (number >= kFewestDialogCells) return CellEntry{number, std::nullopt};
    if (!text.empty() || force) return CellEntry{kFewestDialogCells, kFewestDialogCells};
    return CellEntry{kFewestDialogCells, std::nullopt};
}

int countSizeHundredths(double countSize) { return static_cast<int>(std::nearbyint(countSize * 100)); }

std::optional<int> typedCountSize(std::string_view text) {
    const std::optional<double> size = platform::parseRealNumber(text);
    if (!size) return std::nullopt;
    // Clamped as a real first: a huge number must not overflow on its way to a whole one.
    return countSizeHundredths(std::clamp(*size, kFewestHundredths / 100.0, kMostHundredths / 100.0));
}

std::string widthText(int cellsAcross, const palette::Fabric& fabric) {
    return "横 " + view::stitchedLength(cellsAcross, fabric) + palette::largeUnit(fabric.unit);
}

std::string heightText(int cellsDown, const palette::Fabric& fabric) {
    return "縦 " + view::stitchedLength(cellsDown, fabric) + palette::largeUnit(fabric.unit);
}

int fabricForSize(const std::vector<palette::Fabric>& fabrics, double countSize, const std::string& unit) {
    const auto first = [&](double size) {
        const auto found = std::ranges::find_if(
            fabrics, [&](const palette::Fabric& entry) { return entry.countSize == size && entry.unit == unit; });
        return found == fabrics.end() ? -1 : static_cast<int>(found - fabrics.begin());
    };
    const int exact = first(countSize);
    return exact >= 0 ? exact : first(palette::kFreeSize);
}

palette::Fabric withFabricEntry(palette::Fabric working, const palette::Fabric& entry) {
    if (entry.countSize > 0) working.countSize = entry.countSize;
    working.unit = entry.unit == "cm" ? "cm" : "mm";
    return working;
}

}  // namespace app
