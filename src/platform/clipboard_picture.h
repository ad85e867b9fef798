#pragma once

#include "platform/picture_decoder.h"

class QMimeData;

namespace platform {

// Whether clipboard data holds a picture in a form the program reads: a PNG, BMP or JPEG as a
// picture file holds it, or a picture this program put there itself. Other forms count as none.
bool offersPicture(const QMimeData* data);

// The clipboard's picture, read by the rules picture files are read by: the same forms, the same
// largest number of bytes and of pixels.
DecodedPicture takePicture(const QMimeData* data);

}  // namespace platform
