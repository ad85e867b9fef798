#pragma once

#include "platform/picture_decoder.h"

#include <string_view>

namespace platform {

// Decodes a PNG of any form (grey, grey with alpha, palette, RGB or RGBA; 1 to 16 bits a sample;
// interlaced or not) with libpng straight into 8-bit RGB. 16-bit samples keep their high byte, and
// transparency, from an alpha channel or a tRNS chunk, is laid onto white, as bitmapFromImage does
// for Qt's pictures. Refuses a picture too large, damaged or incomplete, and one with palette indices
// beyond its palette.
DecodedPicture decodePng(std::string_view bytes);

}  // namespace platform
