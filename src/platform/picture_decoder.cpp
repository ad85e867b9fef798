#include "platform/picture_decoder.h"

#include "platform/text_codec.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QRgba64>

#include <array>
#include <cstdint>

namespace platform {
namespace {

constexpr std::array<const char*, 3> kAcceptedFormats{"png", "jpeg", "bmp"};

// Room for the widest form Qt reads a picture into (four 16-bit samples per pixel), so that its own
// limit never refuses a picture that ours lets through.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPicturePixels * 8 / (1024 * 1024)) + 1;

bool isAcceptedFormat(const QByteArray& format) {
    for (const char* accepted : kAcceptedFormats) {
        if (format == accepted) return true;
    }
    return false;
}

std::uint8_t onWhite(unsigned colour, unsigned alpha) {
    return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

// Premultiplied samples already hold colour × alpha / 255, so white only has to be added.
std::uint8_t premultipliedOnWhite(unsigned premultiplied, unsigned alpha) {
    const unsigned sum = premultiplied + 255 - alpha;
    return static_cast<std::uint8_t>(sum > 255 ? 255 : sum);
}

template <typename PixelToRgb>
Bitmap convert(const QImage& image, PixelToRgb pixelToRgb) {
    Bitmap bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) bitmap.set(x, y, pixelToRgb(image, x, y));
    }
    return bitmap;
}

// Qt rounds 16-bit samples when it narrows them; the chart keeps their high byte instead.
Bitmap fromSixteenBit(const QImage& image) {
    const bool premultiplied = image.format() == QImage::Format_RGBA64_Premultiplied;
    return convert(image, [premultiplied](const QImage& img, int x, int y) {
        QRgba64 pixel = reinterpret_cast<const QRgba64*>(img.constScanLine(y))[x];
        if (premultiplied) pixel = pixel.unpremultiplied();
        const unsigned alpha = pixel.alpha() >> 8;
        return Rgb{onWhite(pixel.red() >> 8, alpha), onWhite(pixel.green() >> 8, alpha),
                          onWhite(pixel.blue() >> 8, alpha)};
    });
}

Bitmap fromGrey16(const QImage& image) {
    return convert(image, [](const QImage& img, int x, int y) {
        const auto grey = static_cast<std::uint8_t>(reinterpret_cast<const std::uint16_t*>(img.constScanLine(y))[x] >> 8);
        return Rgb{grey, grey, grey};
    });
}

Bitmap fromPremultiplied(const QImage& image) {
    return convert(image, [](const QImage& img, int x, int y) {
        const QRgb pixel = reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
        const unsigned alpha = static_cast<unsigned>(qAlpha(pixel));
        return Rgb{premultipliedOnWhite(qRed(pixel), alpha), premultipliedOnWhite(qGreen(pixel), alpha),
                          premultipliedOnWhite(qBlue(pixel), alpha)};
    });
}

Bitmap fromStraight(const QImage& image) {
    return convert(image, [](const QImage& img, int x, int y) {
        const QRgb pixel = reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
        const unsigned alpha = static_cast<unsigned>(qAlpha(pixel));
        return Rgb{onWhite(qRed(pixel), alpha), onWhite(qGreen(pixel), alpha), onWhite(qBlue(pixel), alpha)};
    });
}

Bitmap toBitmap(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        return fromSixteenBit(image);
    case QImage::Format_Grayscale16:
        return fromGrey16(image);
    case QImage::Format_ARGB32_Premultiplied:
        return fromPremultiplied(image);
    default:
        break;
    }
    // Every other form holds 8-bit samples, or fewer: widening them to 32 bits loses nothing, and a
    // premultiplied one stays premultiplied so that no sample is rounded on the way.
    if (image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied) {
        return fromPremultiplied(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return fromStraight(image.convertToFormat(QImage::Format_ARGB32));
}

DecodedPicture refuse(std::string message) {
    DecodedPicture picture;
    picture.message = std::move(message);
    return picture;
}

}  // namespace

DecodedPicture decodePicture(std::string_view bytes) {
    QImageReader::setAllocationLimit(kAllocationLimitMiB);

    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);

    if (!reader.canRead() || !isAcceptedFormat(reader.format())) {
        return refuse("not a PNG, JPEG or BMP picture");
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return refuse("the picture has no readable size");
    if (static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels) {
        return refuse("the picture is too large (" + std::to_string(size.width()) + " x " +
                      std::to_string(size.height()) + " pixels; at most " + std::to_string(kMaxPicturePixels) +
                      " pixels)");
    }

    const QImage image = reader.read();
    if (image.isNull()) return refuse("the picture cannot be read: " + reader.errorString().toStdString());
    // The header's size was checked; a decoder could still produce another one.
    if (static_cast<long long>(image.width()) * image.height() > kMaxPicturePixels) {
        return refuse("the picture is too large");
    }

    DecodedPicture picture;
    picture.bitmap = toBitmap(image);
    return picture;
}

DecodedPicture loadPicture(const std::string& path) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return refuse("cannot read the file");
    return decodePicture(*bytes);
}

}  // namespace platform
