#pragma once

#include "platform/picture_decoder.h"

#include <string_view>

namespace platform {

// Decodes a BMP straight into the bitmap's rows: 1-, 4- and 8-bit palette pictures, plain or in 8- or
// 4-bit runs; 16-, 24- and 32-bit ones, plain or with bit-field masks, whose alpha lays them onto
// white; headers of the oldest 12-byte form and of 40, 64, 108 or 124 bytes; rows from the bottom or
// the top. Every pixel comes out as the program has always charted it. Refuses a picture too large,
// damaged or incomplete, and the forms it has never read.
DecodedPicture decodeBmp(std::string_view bytes);

}  // namespace platform
