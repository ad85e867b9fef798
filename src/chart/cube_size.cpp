#include "chart/cube_size.h"

#include "chart/chart_limits.h"
#include "palette/code_system.h"

#include <algorithm>
#include <charconv>

namespace chart {
namespace {

// Not offered, but the product of the most levels a cube can have, as edited level counts give it.
constexpr CubeSizeItem kLargestCube{"8000", kMostLevels};

std::optional<int> numberOf(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::string_view selectCubeSizeItem(int cubeSize) {
    if (cubeSize == 0) cubeSize = palette::kDefaultCubeSize;
    for (const CubeSizeItem& item : kCubeSizeItems) {
        if (numberOf(item.text).value_or(0) >= cubeSize) return item.text;
    }
    return kCubeSizeItems.back().text;
}

int cubeSizeItemIndex(std::string_view text) {
    const auto found = std::find_if(kCubeSizeItems.begin(), kCubeSizeItems.end(),
                                    [&](const CubeSizeItem& item) { return item.text == text; });
    return found == kCubeSizeItems.end() ? 0 : static_cast<int>(found - kCubeSizeItems.begin());
}

std::optional<int> levelsForCubeSize(std::string_view text) {
    for (const CubeSizeItem& item : kCubeSizeItems) {
        if (item.text == text) return item.levels;
    }
    if (text == kLargestCube.text) return kLargestCube.levels;
    return std::nullopt;
}

std::string cubeSizeItemList() {
    std::string list;
    for (const CubeSizeItem& item : kCubeSizeItems) {
        if (!list.empty()) list += ' ';
        list += item.text;
    }
    return list;
}

}  // namespace chart
