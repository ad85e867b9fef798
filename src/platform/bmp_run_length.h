#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

// Palette indices laid out as the program has always read run-length pictures: rows from the top,
// each `stride` bytes (the width rounded up to 4), one after another, so that a run going past the end
// of a row carries on into the row shown below it. Pixels that no code reaches keep index 0.
struct RunLengthIndices {
    std::size_t stride = 0;
    std::vector<std::uint8_t> indices;
};

// Decodes 8-bit or 4-bit run-length codes, whose rows run from the bottom. nullopt when the codes end
// in the middle of a code, or without an end code before the last row has been reached and filled.
std::optional<RunLengthIndices> decodeRunLength(std::string_view codes, int width, int height, bool fourBit);

}  // namespace platform
