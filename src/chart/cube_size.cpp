#include "chart/cube_size.h"

#include "palette/code_system.h"

#include <algorithm>
#include <charconv>

namespace chart {
namespace {

std::optional<int> numberOf(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

CubeSizeItem selectCubeSizeItem(int cubeSize) {
    if (cubeSize == 0) cubeSize = palette::kDefaultCubeSize;
    for (const CubeSizeItem& item : kCubeSizeItems) {
        if (numberOf(item.text).value_or(0) >= cubeSize) return item;
    }
    return kCubeSizeItems.back();
}

int cubeSizeItemIndex(const CubeSizeItem& item) {
    const auto found = std::find_if(kCubeSizeItems.begin(), kCubeSizeItems.end(),
                                    [&](const CubeSizeItem& offered) { return offered.text == item.text; });
    return found == kCubeSizeItems.end() ? 0 : static_cast<int>(found - kCubeSizeItems.begin());
}

std::optional<CubeSizeItem> findCubeSizeItem(std::string_view text) {
    const auto found = std::find_if(kCubeSizeItems.begin(), kCubeSizeItems.end(),
                                    [&](const CubeSizeItem& item) { return item.text == text; });
    if (found == kCubeSizeItems.end()) return std::nullopt;
    return *found;
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
