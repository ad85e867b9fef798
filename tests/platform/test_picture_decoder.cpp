#include "platform/picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QRgba64>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes.toStdString();
}

platform::Bitmap decodeOk(const std::string& bytes) {
    platform::DecodedPicture picture = platform::decodePicture(bytes);
    EXPECT_EQ(picture.message, "");
    return picture.bitmap;
}

TEST(PictureDecoder, SixteenBitSamplesKeepTheirHighByte) {
    // Qt would round 0x80FF up to 129 when narrowing; the high byte is 128.
    QImage grey(2, 1, QImage::Format_Grayscale16);
    reinterpret_cast<quint16*>(grey.scanLine(0))[0] = 0x80FF;
    reinterpret_cast<quint16*>(grey.scanLine(0))[1] = 0x00FF;
    platform::Bitmap bitmap = decodeOk(encode(grey, "PNG"));
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{128, 128, 128}));
    EXPECT_EQ(bitmap.at(1, 0), (platform::Rgb{0, 0, 0}));

    QImage colour(2, 1, QImage::Format_RGBX64);
    reinterpret_cast<QRgba64*>(colour.scanLine(0))[0] = QRgba64::fromRgba64(0x80FF, 0x12FF, 0xFE80, 0xFFFF);
    reinterpret_cast<QRgba64*>(colour.scanLine(0))[1] = QRgba64::fromRgba64(0xFFFF, 0x0080, 0x7FFF, 0xFFFF);
    bitmap = decodeOk(encode(colour, "PNG"));
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{0x80, 0x12, 0xFE}));
    EXPECT_EQ(bitmap.at(1, 0), (platform::Rgb{0xFF, 0x00, 0x7F}));
}

TEST(PictureDecoder, SixteenBitAlphaUsesHighBytesBeforeLayingOntoWhite) {
    QImage image(1, 1, QImage::Format_RGBA64);
    reinterpret_cast<QRgba64*>(image.scanLine(0))[0] = QRgba64::fromRgba64(0x80FF, 0x12FF, 0xFFFF, 0x7FFF);
    // a = 127: (128 * 127 + 255 * 128 + 127) / 255 = 192, (18 * 127 + 255 * 128 + 127) / 255 = 137.
    EXPECT_EQ(decodeOk(encode(image, "PNG")).at(0, 0), (platform::Rgb{192, 137, 255}));
}

TEST(PictureDecoder, TransparencyIsLaidOntoWhite) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 100, 0, 128));
    image.setPixel(1, 0, qRgba(10, 20, 30, 0));
    image.setPixel(2, 0, qRgba(10, 20, 30, 255));
    platform::Bitmap bitmap = decodeOk(encode(image, "PNG"));
    // (200 * 128 + 255 * 127 + 127) / 255 = 227, (100 * 128 + 32385 + 127) / 255 = 177, 32512 / 255 = 127.
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{227, 177, 127}));
    EXPECT_EQ(bitmap.at(1, 0), platform::kWhite);
    EXPECT_EQ(bitmap.at(2, 0), (platform::Rgb{10, 20, 30}));
}

TEST(PictureDecoder, PaletteGreyAndBmpPicturesDecodeExactly) {
    QImage palette(2, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(12, 34, 56), qRgba(255, 0, 0, 0)});
    palette.fill(0);
    palette.setPixel(1, 1, 1);
    platform::Bitmap bitmap = decodeOk(encode(palette, "PNG"));
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{12, 34, 56}));
    EXPECT_EQ(bitmap.at(1, 1), platform::kWhite);

    QImage grey(2, 2, QImage::Format_Grayscale8);
    grey.fill(77);
    EXPECT_EQ(decodeOk(encode(grey, "PNG")).at(1, 0), (platform::Rgb{77, 77, 77}));

    QImage rgb(5, 3, QImage::Format_RGB32);
    rgb.fill(qRgb(1, 2, 3));
    rgb.setPixel(4, 2, qRgb(250, 251, 252));
    bitmap = decodeOk(encode(rgb, "BMP"));
    ASSERT_EQ(bitmap.width(), 5);
    ASSERT_EQ(bitmap.height(), 3);
    EXPECT_EQ(bitmap.at(0, 0), (platform::Rgb{1, 2, 3}));
    EXPECT_EQ(bitmap.at(4, 2), (platform::Rgb{250, 251, 252}));
}

TEST(PictureDecoder, JpegDecodes) {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    platform::Bitmap bitmap = decodeOk(encode(image, "JPEG"));
    ASSERT_EQ(bitmap.width(), 16);
    ASSERT_EQ(bitmap.height(), 8);
    EXPECT_NEAR(bitmap.at(3, 3).r, 200, 6);
    EXPECT_NEAR(bitmap.at(3, 3).g, 40, 6);
}

TEST(PictureDecoder, RefusesWhatItCannotOrShouldNotRead) {
    EXPECT_NE(platform::decodePicture("").message, "");
    EXPECT_NE(platform::decodePicture("this is no picture at all").message, "");

    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    // Qt reads PPM too, but charts are made from PNG, JPEG and BMP only.
    EXPECT_NE(platform::decodePicture(encode(image, "PPM")).message, "");
    // A header without its pixels.
    EXPECT_NE(platform::decodePicture(encode(image, "PNG").substr(0, 40)).message, "");

    // A BMP header that claims 7000 x 7000 pixels is refused before any pixel memory is taken.
    std::string bmp = encode(image, "BMP");
    const qint32 side = 7000;
    std::memcpy(bmp.data() + 18, &side, 4);
    std::memcpy(bmp.data() + 22, &side, 4);
    const platform::DecodedPicture huge = platform::decodePicture(bmp);
    EXPECT_NE(huge.message.find("too large"), std::string::npos) << huge.message;
    EXPECT_TRUE(huge.bitmap.empty());

    EXPECT_NE(platform::loadPicture("/nonexistent/picture.png").message, "");
}

}  // namespace
