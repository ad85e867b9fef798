#pragma once

// Qt's own picture readers, whose pixels the program's decoders must give exactly.

#include "platform/qimage_bitmap.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <string>

// Read as Qt reads a file: by its content, turned as its EXIF block says.
inline platform::Bitmap decodedByQt(const std::string& bytes) {
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
    return platform::bitmapFromImage(image);
}

// -1 for bitmaps of different sizes.
inline int differingPixels(const platform::Bitmap& a, const platform::Bitmap& b) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) differing += a.at(x, y) == b.at(x, y) ? 0 : 1;
    }
    return differing;
}
