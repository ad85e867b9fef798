#include "platform/picture_decoder.h"
#include "platform/qt_reference.h"

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

// Every PNG and BMP form is compared with Qt's reader by the codec tests; this pins the blending itself.
TEST(PictureDecoder, TransparencyIsLaidOntoWhite) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 0, 128));
    image.setPixel(1, 0, qRgba(10, 20, 30, 0));
    image.setPixel(2, 0, qRgba(10, 20, 30, 255));
    const platform::Bitmap bitmap = decodeOk(encode(image, "PNG"));
    // (200 * 128 + 255 * 127 + 127) / 255 = 227, (100 * 128 + 32385 + 127) / 255 = 177, 32512 / 255 = 127.
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{227, 177, 127}));
    EXPECT_EQ(bitmap.at(1, 0), platform::kWhite);
    EXPECT_EQ(bitmap.at(2, 0), (platform::Rgb{10, 20, 30}));
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
        EXPECT_EQ(differingPixels(decodeOk(bytes), decodedByQt(bytes)), 0) << name;
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
    // A header without its pixels.
    EXPECT_EQ(platform::decodePicture(encode(image, "PNG").substr(0, 40)).message, "the picture is damaged or incomplete");

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
