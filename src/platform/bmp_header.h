#pragma once

#include "platform/bitmap.h"
#include "platform/picture_problem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Why a picture whose palette, masks or pixels cannot be read at all is refused.
inline constexpr const char* kUnreadableBmp = "the picture cannot be read: Unable to read image data";

enum class BmpPixels {
    Indexed,     // 1, 4 or 8 bits a pixel, looked up in the palette
    RunLength8,  // palette indices in runs of 8-bit codes
    RunLength4,  // palette indices in runs of 4-bit codes
    Masked,      // 16, 24 or 32 bits a pixel, whose channels the masks pick out
};

// One colour or alpha channel of a 16-, 24- or 32-bit pixel: ((pixel & mask) >> shift) * scale,
// where the scale widens the field to 8 bits by 256 / (field maximum + 1). Fields wider than 8 bits
// get a scale of 0, as in the pictures users already charted from such files.
struct BmpChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t scale = 0;
    std::uint8_t of(std::uint32_t pixel) const { return static_cast<std::uint8_t>(((pixel & mask) >> shift) * scale); }
};

struct BmpLayout {
    std::string refusal;  // empty when the picture can be decoded
    PictureProblem problem = PictureProblem::None;
    int width = 0;
    int height = 0;
    bool topDown = false;  // rows stored from the top (a negative height)
    int bitsPerPixel = 0;
    BmpPixels pixels = BmpPixels::Indexed;
    // The colour of every possible index: indices past the file's palette show white.
    std::array<Rgb, 256> palette{};
    BmpChannel red, green, blue, alpha;
    bool hasAlpha = false;
    std::size_t dataOffset = 0;  // where the pixels start
};

// Reads a BMP's headers, masks and palette. A picture too large for the chart, or whose pixel data
// lies partly past the end of the file, is refused before any pixel memory is taken; so is every form
// the program has never read (a 52- or 56-byte header, say, or alpha bit fields as a compression of
// their own).
BmpLayout readBmpLayout(std::string_view bytes);

}  // namespace platform
