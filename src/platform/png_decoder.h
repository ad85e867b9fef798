#pragma once

#include "platform/picture_decoder.h"

#include <optional>
#include <string_view>

namespace platform {

// Decodes an 8-bit-or-less PNG without transparency (colour, grey or palette) with libpng straight
// into the bitmap's rows: the common kind of PNG, whose samples come out exactly as Qt's reader gives
// them. nullopt for every other kind, which bitmapFromImage's rules apply to (16-bit samples, alpha).
// Refuses a picture too large, damaged or incomplete, and one with palette indices beyond its palette.
std::optional<DecodedPicture> decodePlainPng(std::string_view bytes);

}  // namespace platform
