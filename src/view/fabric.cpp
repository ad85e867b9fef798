#include "view/fabric.h"

#include <cmath>
#include <cstdio>

namespace view {

std::string formatCountSize(double countSize) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(countSize));
    std::string text(digits);
    for (auto at = static_cast<long>(text.find('.')) - 3; at > 0; at -= 3) text.insert(static_cast<std::size_t>(at), ",");
    if (countSize < 0 && text.find_first_not_of("0.,") != std::string::npos) text.insert(0, "-");
    return text.size() < 6 ? std::string(6 - text.size(), ' ') + text : text;
}

}  // namespace view
