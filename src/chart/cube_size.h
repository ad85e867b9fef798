#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace chart {

// The cube sizes offered to the user, as item texts. "323" stands for 7 levels per channel.
inline constexpr std::array<std::string_view, 14> kCubeSizeItems{
    "8", "27", "64", "125", "216", "323", "512", "729", "1000", "1728", "2744", "3375", "4096", "5832"};

// The item chosen for a system's cube size: the first whose number is at least it, else the last.
std::string_view selectCubeSizeItem(int cubeSize);

// Levels per channel for a cube-size text; nullopt for a text that names no cube (the counts stay).
std::optional<int> levelsForCubeSize(std::string_view text);

// The cube size a text stands for: its number, or 512 when it is not one.
int cubeSizeNumber(std::string_view text);

}  // namespace chart
