#pragma once

#include "platform/bitmap.h"

#include <string_view>

namespace platform {

// The EXIF orientation (1 to 8) that the APP1 segments of a JPEG, joined in file order, give; 1 when
// they give none or cannot be read. Read as Qt's JPEG reader reads it, so that pictures come out the
// same way round whichever of the two decodes them: the first orientation entry of the first ten
// image directories counts, and a directory before the one that was just read ends the search.
int exifOrientation(std::string_view app1);

// The picture turned as an EXIF orientation says, so that its top row is the top of the scene.
Bitmap orientBitmap(const Bitmap& stored, int orientation);

}  // namespace platform
