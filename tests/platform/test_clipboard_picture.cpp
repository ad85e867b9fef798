// The clipboard's pictures are read by the rules of picture files, whoever put them there.

#include "platform/clipboard_picture.h"
#include "platform/encoded_picture.h"

#include <QMimeData>

namespace {

using platform::PictureProblem;

QImage plain(int width, int height, QImage::Format format = QImage::Format_Grayscale8) {
    QImage image(width, height, format);
    image.fill(Qt::gray);
    return image;
}

// The limits on the pixels are met where the user meets them, in the window's paste.
TEST(ClipboardPicture, TakesFileFormsPngFirstAndItsOwnPicture) {
    // PNG is taken before the other forms a program offers beside it.
    QMimeData several;
    several.setData("image/jpeg", encoded(plain(8, 8), "JPEG"));
    several.setData("image/x-MS-bmp", encoded(plain(9, 9), "BMP"));
    several.setData("image/png", encoded(plain(10, 10), "PNG"));
    EXPECT_EQ(platform::takePicture(&several).bitmap.width(), 10);
    several.removeFormat("image/png");
    EXPECT_EQ(platform::takePicture(&several).bitmap.width(), 9);

    QMimeData own;
    own.setImageData(plain(12, 7, QImage::Format_ARGB32));
    ASSERT_TRUE(platform::offersPicture(&own));
    EXPECT_EQ(platform::takePicture(&own).bitmap.height(), 7);
}

TEST(ClipboardPicture, OtherFormsAreNoPictureAndBrokenDataIsSaidToBe) {
    EXPECT_FALSE(platform::offersPicture(nullptr));
    QMimeData text;
    text.setText("no picture");
    EXPECT_FALSE(platform::offersPicture(&text));
    EXPECT_EQ(platform::takePicture(&text).problem, PictureProblem::NotAPicture);
    // Qt would decode a TIFF itself, past the limits the program keeps to.
    QMimeData tiff;
    tiff.setData("image/tiff", "II*\0");
    tiff.setImageData(plain(4, 4));
    EXPECT_FALSE(platform::offersPicture(&tiff));

    QMimeData mislabelled;
    mislabelled.setData("image/png", "plain text under a picture's type");
    ASSERT_TRUE(platform::offersPicture(&mislabelled));
    EXPECT_EQ(platform::takePicture(&mislabelled).problem, PictureProblem::NotAPicture);
    const QByteArray png = encoded(plain(40, 40), "PNG");
    mislabelled.setData("image/png", png.left(png.size() - 20));
    EXPECT_EQ(platform::takePicture(&mislabelled).problem, PictureProblem::Damaged);
}

}  // namespace
