#include "chart/cube_size.h"

#include <charconv>
#include <utility>

namespace chart {
namespace {

constexpr int kDefaultCubeSize = 512;

// "8000" is no item: it only arises as the product of edited level counts.
constexpr std::pair<std::string_view, int> kLevelsPerItem[] = {
    {"8", 2},      {"27", 3},     {"64", 4},     {"125", 5},    {"216", 6},
    {"323", 7},    {"512", 8},    {"729", 9},    {"1000", 10},  {"1728", 12},
    {"2744", 14},  {"3375", 15},  {"4096", 16},  {"5832", 18},  {"8000", 20},
};

std::optional<int> numberOf(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::string_view selectCubeSizeItem(int cubeSize) {
    if (cubeSize == 0) cubeSize = kDefaultCubeSize;
    for (std::string_view item : kCubeSizeItems) {
        if (numberOf(item).value_or(0) >= cubeSize) return item;
    }
    return kCubeSizeItems.back();
}

std::optional<int> levelsForCubeSize(std::string_view text) {
    for (const auto& [item, levels] : kLevelsPerItem) {
        if (item == text) return levels;
    }
    return std::nullopt;
}

int cubeSizeNumber(std::string_view text) { return numberOf(text).value_or(kDefaultCubeSize); }

}  // namespace chart
