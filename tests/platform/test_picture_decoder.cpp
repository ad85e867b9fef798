#include "platform/picture_decoder.h"
#include "platform/qimage_bitmap.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::string encode(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return bytes.toStdString();
}

// The picture as Qt's own readers give it, which the libjpeg and libpng paths must match exactly.
platform::Bitmap decodedByQt(const std::string& bytes) {
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return platform::bitmapFromImage(reader.read());
}

// An EXIF block saying how the stored picture is turned, put where a camera puts it.
std::string withOrientation(const std::string& jpeg, char orientation) {
    const std::string tiff = std::string("MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19) +
                             orientation + std::string(6, '\0');
    const std::string exif = std::string("Exif\0\0", 6) + tiff;
    const auto length = static_cast<char>(exif.size() + 2);
    return jpeg.substr(0, 2) + "\xFF\xE1" + std::string(1, '\0') + length + exif + jpeg.substr(2);
}

// Colours, edges and odd sizes, so that upsampling and the edges of blocks show any difference.
QImage colourful(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 7 % 256, (x + y) * 255 / (width + height), (x ^ y) * 13 % 256));
        }
    }
    return image.convertToFormat(format);
}

platform::Bitmap decodeOk(const std::string& bytes) {
    platform::DecodedPicture picture = platform::decodePicture(bytes);
    EXPECT_EQ(picture.message, "");
    return picture.bitmap;
}

TEST(PictureDecoder, TransparencyIsLaidOntoWhiteAndPaletteAndBmpPicturesDecodeExactly) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 0, 128));
    image.setPixel(1, 0, qRgba(10, 20, 30, 0));
    image.setPixel(2, 0, qRgba(10, 20, 30, 255));
    platform::Bitmap bitmap = decodeOk(encode(image, "PNG"));
    // (200 * 128 + 255 * 127 + 127) / 255 = 227, (100 * 128 + 32385 + 127) / 255 = 177, 32512 / 255 = 127.
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{227, 177, 127}));
    EXPECT_EQ(bitmap.at(1, 0), platform::kWhite);
    EXPECT_EQ(bitmap.at(2, 0), (platform::Rgb{10, 20, 30}));

    QImage palette(2, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(12, 34, 56), qRgba(255, 0, 0, 0)});
    palette.fill(0);
    palette.setPixel(1, 1, 1);
    bitmap = decodeOk(encode(palette, "PNG"));
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{12, 34, 56}));
    EXPECT_EQ(bitmap.at(1, 1), platform::kWhite);

    QImage rgb(5, 3, QImage::Format_RGB32);
    rgb.fill(qRgb(1, 2, 3));
    rgb.setPixel(4, 2, qRgb(250, 251, 252));
    bitmap = decodeOk(encode(rgb, "BMP"));
    ASSERT_EQ(std::make_pair(bitmap.width(), bitmap.height()), std::make_pair(5, 3));
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{1, 2, 3}));
    EXPECT_EQ(bitmap.at(4, 2), (platform::Rgb{250, 251, 252}));
}

TEST(PictureDecoder, LibraryPathsGiveExactlyQtsPixels) {
    const QImage rgb = colourful(37, 29, QImage::Format_RGB32);
    const QImage grey = colourful(37, 29, QImage::Format_Grayscale8);
    std::vector<std::pair<std::string, std::string>> pictures = {
        {"baseline", encode(rgb, "JPEG")},
        {"progressive", encode(rgb, "JPEG", true)},
        {"grey JPEG", encode(grey, "JPEG")},
    };
    for (char orientation = 1; orientation <= 8; ++orientation) {
        pictures.emplace_back("orientation " + std::to_string(orientation), withOrientation(encode(rgb, "JPEG"), orientation));
    }
    for (const auto& [name, bytes] : pictures) {
        const platform::Bitmap expected = decodedByQt(bytes);
        const platform::Bitmap actual = decodeOk(bytes);
        ASSERT_EQ(actual.width(), expected.width()) << name;
        ASSERT_EQ(actual.height(), expected.height()) << name;
        int differing = 0;
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) differing += actual.at(x, y) == expected.at(x, y) ? 0 : 1;
        }
        EXPECT_EQ(differing, 0) << name;
    }
    // Turned a quarter, the picture is as wide as it was high.
    EXPECT_EQ(decodeOk(pictures.back().second).width(), 29);
}

TEST(PictureDecoder, RefusesWhatItCannotOrShouldNotRead) {
    EXPECT_NE(platform::decodePicture("").message, "");
    EXPECT_NE(platform::decodePicture("this is no picture at all").message, "");

    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    // Qt reads PPM too, but charts are made from PNG, JPEG and BMP only.
    EXPECT_EQ(platform::decodePicture(encode(image, "PPM")).problem, platform::PictureProblem::NotAPicture);
    // A header without its pixels, and pixels without their end.
    EXPECT_NE(platform::decodePicture(encode(image, "PNG").substr(0, 40)).message, "");
    const std::string png = encode(colourful(40, 40, QImage::Format_RGB32), "PNG");
    EXPECT_EQ(platform::decodePicture(png.substr(0, png.size() - 20)).message, "the picture is damaged or incomplete");

    // A BMP header that claims 7000 x 7000 pixels is refused before any pixel memory is taken.
    std::string bmp = encode(image, "BMP");
    const qint32 side = 7000;
    std::memcpy(bmp.data() + 18, &side, 4);
    std::memcpy(bmp.data() + 22, &side, 4);
    const platform::DecodedPicture huge = platform::decodePicture(bmp);
    EXPECT_NE(huge.message.find("too large"), std::string::npos) << huge.message;
    EXPECT_EQ(huge.problem, platform::PictureProblem::TooManyPixels);
    EXPECT_TRUE(huge.bitmap.empty());

    EXPECT_EQ(platform::loadPicture("/nonexistent/picture.png").problem, platform::PictureProblem::FileMissing);
    EXPECT_EQ(platform::loadPicture("/").problem, platform::PictureProblem::Folder);
    EXPECT_EQ(platform::loadPicture("/dev/zero").problem, platform::PictureProblem::NotRegularFile);
}

}  // namespace
