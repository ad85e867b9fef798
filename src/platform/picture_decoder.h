#pragma once

#include "platform/bitmap.h"
#include "platform/picture_problem.h"

#include <string>
#include <string_view>

namespace platform {

// Files larger than this are refused before they are read. The bulkiest form a picture within
// kMaxPicturePixels takes is an uncompressed BMP of 4 bytes a pixel (160 MB); the rest of the bound
// leaves room for headers, a palette, colour profiles and other metadata. Compressed pictures of that
// many pixels are smaller, so a larger file is padding or not a picture at all.
inline constexpr long long kMaxPictureFileBytes = 4 * kMaxPicturePixels + 16 * 1024 * 1024;

struct DecodedPicture {
    std::string message;  // empty on success, otherwise what is wrong with the picture
    PictureProblem problem = PictureProblem::None;
    Bitmap bitmap;
};

// How many bytes from the start of a file tell whether it is a PNG, JPEG or BMP picture.
inline constexpr std::size_t kPictureSignatureBytes = 8;
// Whether the first bytes of a file are those of a PNG, JPEG or BMP picture, the forms decodePicture
// reads; it says nothing of whether the rest can be read.
bool hasPictureSignature(std::string_view firstBytes);

// Decodes a PNG, JPEG or BMP picture in colour, grey or palette form into 8-bit RGB: 16-bit samples
// keep their high byte and transparency is laid onto white, as bitmapFromImage (qimage_bitmap.h) does
// for the clipboard's pictures; JPEGs are turned as their EXIF orientation says. A
// picture whose data ends early or is damaged is refused rather than charted with gaps filled in.
DecodedPicture decodePicture(std::string_view bytes);
// Reads only regular files (never a pipe, device or folder) of at most kMaxPictureFileBytes.
DecodedPicture loadPicture(const std::string& path);

}  // namespace platform
