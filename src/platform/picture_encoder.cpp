#include "platform/picture_encoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace platform {

std::optional<std::string> encodePng(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB888);
    if (image.isNull()) return std::nullopt;
    for (int y = 0; y < bitmap.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const Rgb colour = bitmap.at(x, y);
            line[3 * x] = colour.r;
            line[3 * x + 1] = colour.g;
            line[3 * x + 2] = colour.b;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return std::nullopt;
    return bytes.toStdString();
}

}  // namespace platform
