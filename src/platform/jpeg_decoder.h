#pragma once

#include "platform/picture_decoder.h"

#include <string_view>

namespace platform {

// Decodes a JPEG with libjpeg straight into the bitmap's rows, with the settings Qt's JPEG reader uses
// (accurate integer DCT, smooth upsampling) so that every pixel comes out as Qt would give it: CMYK
// as Qt turns it into RGB, the EXIF orientation applied, colour profiles left unapplied. libjpeg's
// warnings about corrupt or missing data make the picture count as damaged.
DecodedPicture decodeJpeg(std::string_view bytes);

}  // namespace platform
