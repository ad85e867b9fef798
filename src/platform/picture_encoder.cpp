#include "platform/picture_encoder.h"

#include "platform/qimage_bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace platform {

std::optional<std::string> encodePng(const Bitmap& bitmap) {
    const QImage image = imageFromBitmap(bitmap);
    if (image.isNull()) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace platform
