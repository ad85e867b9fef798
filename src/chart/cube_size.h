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

// The item chosen for a system's cube size: the first whose number is at least it, else the last.
std::string_view selectCubeSizeItem(int cubeSize);

// The place of a cube-size text among kCubeSizeItems, as a chart workbook stores it; the first item
// for a text that names none.
int cubeSizeItemIndex(std::string_view text);

// Levels per channel for a cube-size text; nullopt for a text that names no cube (the counts stay).
std::optional<int> levelsForCubeSize(std::string_view text);

// Every item text, separated by blanks, for messages that list them.
std::string cubeSizeItemList();

}  // namespace chart
