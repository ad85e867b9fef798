#include "app/fabric.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace app {
namespace {

constexpr const char* kSection = "size";

std::string unitOrMillimetres(std::string_view unit) { return unit == "cm" ? "cm" : "mm"; }

}  // namespace

std::vector<FabricEntry> readFabricList(const platform::IniFile& settings) {
    std::vector<FabricEntry> fabrics;
    for (int i = 0; i < kFabricSlots; ++i) {
        const std::string number = std::to_string(i);
        std::string name = settings.readString(kSection, "Name" + number, "");
        if (name.empty()) continue;
        const double size = platform::parseRealNumber(settings.readString(kSection, "Size" + number, "")).value_or(1.0);
        fabrics.push_back(FabricEntry{std::move(name), size, unitOrMillimetres(settings.readString(kSection, "Scale" + number, ""))});
    }
    return fabrics;
}

CurrentFabric chooseFabric(const std::vector<FabricEntry>& fabrics, int defaultIndex, const std::string& savedSize,
                           const std::string& savedUnit) {
    CurrentFabric current;
    if (fabrics.empty()) return current;
    // A default that names no fabric falls back to the first.
    current.index = defaultIndex >= 0 && defaultIndex < static_cast<int>(fabrics.size()) ? defaultIndex : 0;
    current.countSize = fabrics[static_cast<std::size_t>(current.index)].countSize;

    const std::optional<double> size = platform::parseRealNumber(savedSize);
    const std::string_view unit = platform::trimBlanks(savedUnit);
    for (std::size_t i = 0; size && i < fabrics.size(); ++i) {
        const FabricEntry& fabric = fabrics[i];
        if (fabric.unit != unit || (fabric.countSize != *size && fabric.countSize != kFreeSize)) continue;
        current.index = static_cast<int>(i);
        current.countSize = fabric.countSize == kFreeSize ? *size : fabric.countSize;
        break;
    }
    // A free size nobody has set yet would give negative lengths: one count is one unit until it is set.
    if (current.countSize <= 0) current.countSize = 1.0;

    const FabricEntry& chosen = fabrics[static_cast<std::size_t>(current.index)];
    current.name = chosen.name;
    current.unit = chosen.unit;
    current.largeUnit = chosen.unit == "mm" ? "cm" : "m";
    return current;
}

std::string formatCountSize(double countSize) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(countSize));
    std::string text(digits);
    // Thousands separators in the whole part, as the saved format has always written them.
    for (auto at = static_cast<long>(text.find('.')) - 3; at > 0; at -= 3) text.insert(static_cast<std::size_t>(at), ",");
    if (countSize < 0 && text.find_first_not_of("0.,") != std::string::npos) text.insert(0, "-");
    return text.size() < 6 ? std::string(6 - text.size(), ' ') + text : text;
}

}  // namespace app
