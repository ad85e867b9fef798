#pragma once

#include <cstdint>

namespace platform {

// A sample of a partly transparent pixel as it shows on white fabric, for 8-bit colour and alpha
// that is not premultiplied.
inline std::uint8_t onWhite(unsigned colour, unsigned alpha) {
    return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace platform
