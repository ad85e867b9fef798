#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace chart {

// A cube size offered to the user: its text and the levels per channel it stands for. The texts
// are the cube cell counts, but for "323", which stands for 7 levels per channel.
struct CubeSizeItem {
    std::string_view text;
    int levels;
};

inline constexpr std::array<CubeSizeItem, 14> kCubeSizeItems{{
    {"8", 2}, {"27", 3}, {"64", 4}, {"125", 5}, {"216", 6}, {"323", 7}, {"512", 8},
    {"729", 9}, {"1000", 10}, {"1728", 12}, {"2744", 14}, {"3375", 15}, {"4096", 16}, {"5832", 18},
}};

inline constexpr CubeSizeItem kDefaultCubeSizeItem = kCubeSizeItems[6];

// The item chosen for a system's cube size: the first whose number is at least it, else the last.
CubeSizeItem selectCubeSizeItem(int cubeSize);

// The item's place among kCubeSizeItems, as a chart workbook stores it.
int cubeSizeItemIndex(const CubeSizeItem& item);

// The item of that text; nothing for a text that names none.
std::optional<CubeSizeItem> findCubeSizeItem(std::string_view text);

// Every item text, separated by blanks, for messages that list them.
std::string cubeSizeItemList();

}  // namespace chart
