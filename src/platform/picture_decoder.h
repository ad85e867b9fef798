#pragma once

#include "platform/bitmap.h"

#include <string>
#include <string_view>

namespace platform {

// Pictures larger than this are refused before they are decoded.
inline constexpr long long kMaxPicturePixels = 40'000'000;

struct DecodedPicture {
    std::string message;  // empty on success, otherwise what is wrong with the picture
    Bitmap bitmap;
};

// Decodes a PNG, JPEG or BMP picture in colour, grey or palette form into 8-bit RGB. 16-bit samples
// keep their high byte; a picture with transparency is laid onto white, as the fabric shows through.
DecodedPicture decodePicture(std::string_view bytes);
DecodedPicture loadPicture(const std::string& path);

}  // namespace platform
