#include "palette/fabric.h"

#include "platform/text_codec.h"

#include <cmath>
#include <cstdio>

namespace palette {

std::string largeUnit(std::string_view unit) { return unit == "mm" ? "cm" : "m"; }

std::string formatCountSize(double countSize) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(countSize));
    std::string text(digits);
    for (auto at = static_cast<long>(text.find('.')) - 3; at > 0; at -= 3) text.insert(static_cast<std::size_t>(at), ",");
    if (countSize < 0 && text.find_first_not_of("0.,") != std::string::npos) text.insert(0, "-");
    return text.size() < 6 ? std::string(6 - text.size(), ' ') + text : text;
}

FabricChoice chooseFabric(const std::vector<Fabric>& fabrics, int defaultIndex, std::optional<double> savedSize,
                          std::string_view savedUnit) {
    FabricChoice choice;
    if (fabrics.empty()) return choice;
    // A default that names no fabric falls back to the first.
    choice.index = defaultIndex >= 0 && defaultIndex < static_cast<int>(fabrics.size()) ? defaultIndex : 0;
    Fabric& fabric = choice.fabric;
    fabric.countSize = fabrics[static_cast<std::size_t>(choice.index)].countSize;

    const std::string_view unit = platform::trimBlanks(savedUnit);
    for (std::size_t i = 0; savedSize && i < fabrics.size(); ++i) {
        const Fabric& entry = fabrics[i];
        if (entry.unit != unit || (entry.countSize != *savedSize && entry.countSize != kFreeSize)) continue;
        choice.index = static_cast<int>(i);
        fabric.countSize = entry.countSize == kFreeSize ? *savedSize : entry.countSize;
        break;
    }
    // A free size nobody has set yet would give negative lengths: one count is one unit until it is set.
    if (fabric.countSize <= 0) fabric.countSize = 1.0;

    const Fabric& chosen = fabrics[static_cast<std::size_t>(choice.index)];
    fabric.name = chosen.name;
    fabric.unit = chosen.unit;
    return choice;
}

}  // namespace palette
