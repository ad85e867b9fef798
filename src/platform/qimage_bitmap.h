#pragma once

#include "platform/bitmap.h"

class QImage;

namespace platform {

// The chart's 8-bit RGB form of a picture Qt holds, whether decoded from a file or taken from the
// clipboard. 16-bit samples keep their high byte; a picture with transparency is laid onto white, as
// the fabric shows through; premultiplied samples are used as they are, so none is rounded twice.
Bitmap bitmapFromImage(const QImage& image);

// A bitmap as Qt shows and writes it.
QImage imageFromBitmap(const Bitmap& bitmap);

}  // namespace platform
