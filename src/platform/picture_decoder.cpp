#include "platform/picture_decoder.h"

#include "platform/bmp_decoder.h"
#include "platform/jpeg_decoder.h"
#include "platform/picture_file.h"
#include "platform/picture_refusal.h"
#include "platform/png_decoder.h"
#include "platform/qimage_bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace platform {
namespace {

// Room for the widest form Qt reads a picture into (four 16-bit samples per pixel), so that its own
// limit never refuses a picture that ours lets through.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPicturePixels * 8 / (1024 * 1024)) + 1;

enum class Format { Png, Jpeg, Bmp, Other };

Format formatOf(std::string_view bytes) {
    if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return Format::Png;
    if (bytes.starts_with("\xFF\xD8")) return Format::Jpeg;
    if (bytes.starts_with("BM")) return Format::Bmp;
    return Format::Other;
}

// The PNGs and BMPs that the libraries' own decoders leave: Qt reads them, and bitmapFromImage
// narrows what it read.
DecodedPicture decodeWithQt(std::string_view bytes, const char* format) {
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (!reader.canRead()) return refusal("the picture cannot be read");

    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return refusal("the picture has no readable size");
    if (exceedsPixelLimit(size.width(), size.height())) return tooLarge(size.width(), size.height());

    const QImage image = reader.read();
    if (image.isNull()) return refusal("the picture cannot be read: " + reader.errorString().toStdString());
    // The header's size was checked; a decoder could still produce another one.
    if (exceedsPixelLimit(image.width(), image.height())) return tooLarge(image.width(), image.height());

    DecodedPicture picture;
    picture.bitmap = bitmapFromImage(image);
    return picture;
}

}  // namespace

DecodedPicture decodePicture(std::string_view bytes) {
    switch (formatOf(bytes)) {
    case Format::Jpeg:
        return decodeJpeg(bytes);
    case Format::Png:
        return decodePng(bytes);
    case Format::Bmp:
        return decodeBmp(bytes);
    case Format::Other:
        break;
    }
    return refusal("not a PNG, JPEG or BMP picture", PictureProblem::NotAPicture);
}

bool hasPictureSignature(std::string_view firstBytes) { return formatOf(firstBytes) != Format::Other; }

DecodedPicture loadPicture(const std::string& path) {
    const PictureFile file = readPictureFile(path);
    if (!file.message.empty()) return refusal(file.message, file.problem);
    return decodePicture(file.bytes);
}

}  // namespace platform
