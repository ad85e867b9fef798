#include "platform/qimage_bitmap.h"

#include "platform/on_white.h"

#include <QImage>
#include <QRgba64>

#include <cstdint>
#include <cstring>

namespace platform {
namespace {

// Premultiplied samples already hold colour × alpha / 255, so white only has to be added.
std::uint8_t premultipliedOnWhite(unsigned premultiplied, unsigned alpha) {
    const unsigned sum = premultiplied + 255 - alpha;
    return static_cast<std::uint8_t>(sum > 255 ? 255 : sum);
}

// Calls pixelToRgb with each pixel of the image, read as Sample, row by row.
template <typename Sample, typename PixelToRgb>
Bitmap convert(const QImage& image, PixelToRgb pixelToRgb) {
    Bitmap bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const Sample*>(image.constScanLine(y));
        Rgb* out = bitmap.row(y);
        for (int x = 0; x < image.width(); ++x) out[x] = pixelToRgb(in[x]);
    }
    return bitmap;
}

// Qt rounds 16-bit samples when it narrows them; the chart keeps their high byte instead.
Bitmap fromSixteenBit(const QImage& image) {
    const bool premultiplied = image.format() == QImage::Format_RGBA64_Premultiplied;
    return convert<QRgba64>(image, [premultiplied](QRgba64 pixel) {
        if (premultiplied) pixel = pixel.unpremultiplied();
        const unsigned alpha = pixel.alpha() >> 8;
        return Rgb{onWhite(pixel.red() >> 8, alpha), onWhite(pixel.green() >> 8, alpha),
                   onWhite(pixel.blue() >> 8, alpha)};
    });
}

Bitmap fromGrey16(const QImage& image) {
    return convert<std::uint16_t>(image, [](std::uint16_t sample) {
        const auto grey = static_cast<std::uint8_t>(sample >> 8);
        return Rgb{grey, grey, grey};
    });
}

Bitmap fromPremultiplied(const QImage& image) {
    return convert<QRgb>(image, [](QRgb pixel) {
        const auto alpha = static_cast<unsigned>(qAlpha(pixel));
        return Rgb{premultipliedOnWhite(qRed(pixel), alpha), premultipliedOnWhite(qGreen(pixel), alpha),
                   premultipliedOnWhite(qBlue(pixel), alpha)};
    });
}

Bitmap fromStraight(const QImage& image) {
    return convert<QRgb>(image, [](QRgb pixel) {
        const auto alpha = static_cast<unsigned>(qAlpha(pixel));
        return Rgb{onWhite(qRed(pixel), alpha), onWhite(qGreen(pixel), alpha), onWhite(qBlue(pixel), alpha)};
    });
}

}  // namespace

Bitmap bitmapFromImage(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        return fromSixteenBit(image);
    case QImage::Format_Grayscale16:
        return fromGrey16(image);
    case QImage::Format_ARGB32_Premultiplied:
        return fromPremultiplied(image);
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return fromStraight(image);
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

QImage imageFromBitmap(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB888);
    if (image.isNull()) return image;
    // Rgb is three bytes in red-green-blue order, as each line of an RGB888 image.
    static_assert(sizeof(Rgb) == 3);
    for (int y = 0; y < bitmap.height(); ++y) {
        std::memcpy(image.scanLine(y), bitmap.row(y), static_cast<std::size_t>(bitmap.width()) * sizeof(Rgb));
    }
    return image;
}

}  // namespace platform
