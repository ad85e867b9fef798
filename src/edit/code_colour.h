#pragma once

#include "palette/colour_table.h"
#include "platform/bitmap.h"

namespace edit {

// The colour a colour-table entry shows on the chart and on the pen swatch.
inline platform::Rgb codeColour(const palette::ColourEntry& entry) {
    return platform::Rgb{static_cast<std::uint8_t>(entry.r), static_cast<std::uint8_t>(entry.g),
                         static_cast<std::uint8_t>(entry.b)};
}

}  // namespace edit
