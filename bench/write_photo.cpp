// Writes the benchmarks' photo-like picture as a PNG, for measuring whole command-line runs.
//
//   tessaly_bench_picture OUTPUT.png

#include "photo_picture.h"

#include "platform/picture_encoder.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }

    const platform::Bitmap picture = bench::photoLikePicture(bench::kPhotoSize, bench::kPhotoSize, bench::kPhotoSeed);
    const std::optional<std::string> png = platform::encodePng(picture);
    std::ofstream file(argv[1], std::ios::binary);
    if (!png || !file.write(png->data(), static_cast<std::streamsize>(png->size()))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
