// Writes the benchmarks' photo-like picture as a PNG, for measuring whole command-line runs.
//
//   tessaly_bench_picture OUTPUT.png

#include "photo_picture.h"

#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }

    const chart::Bitmap picture = bench::photoLikePicture(bench::kPhotoSize, bench::kPhotoSize, bench::kPhotoSeed);
    QImage image(picture.width(), picture.height(), QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const chart::Rgb c = picture.at(x, y);
            line[3 * x] = c.r;
            line[3 * x + 1] = c.g;
            line[3 * x + 2] = c.b;
        }
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
