#include "app/fabric.h"

#include "platform/text_codec.h"

#include <string_view>

namespace app {

CurrentFabric chooseFabric(const std::vector<palette::FabricEntry>& fabrics, int defaultIndex,
                           const std::string& savedSize, const std::string& savedUnit) {
    CurrentFabric current;
    if (fabrics.empty()) return current;
    // A default that names no fabric falls back to the first.
    current.index = defaultIndex >= 0 && defaultIndex < static_cast<int>(fabrics.size()) ? defaultIndex : 0;
    view::Fabric& fabric = current.fabric;
    fabric.countSize = fabrics[static_cast<std::size_t>(current.index)].countSize;

    const std::optional<double> size = platform::parseRealNumber(savedSize);
    const std::string_view unit = platform::trimBlanks(savedUnit);
    for (std::size_t i = 0; size && i < fabrics.size(); ++i) {
        const palette::FabricEntry& entry = fabrics[i];
        if (entry.unit != unit || (entry.countSize != *size && entry.countSize != palette::kFreeSize)) continue;
        current.index = static_cast<int>(i);
        fabric.countSize = entry.countSize == palette::kFreeSize ? *size : entry.countSize;
        break;
    }
    // A free size nobody has set yet would give negative lengths: one count is one unit until it is set.
    if (fabric.countSize <= 0) fabric.countSize = 1.0;

    const palette::FabricEntry& chosen = fabrics[static_cast<std::size_t>(current.index)];
    fabric.name = chosen.name;
    fabric.unit = chosen.unit;
    fabric.largeUnit = chosen.unit == "mm" ? "cm" : "m";
    return current;
}

}  // namespace app
