// Writes the benchmarks' photo-like picture as a PNG, for measuring whole command-line runs.
//
//   tessaly_bench_picture OUTPUT.png [SIDE]     (SIDE pixels square; default the benchmarks' size)

#include "photo_picture.h"

#include "platform/picture_encoder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SIDE]\n", argv[0]);
        return 2;
    }
    const int side = argc == 3 ? std::atoi(argv[2]) : bench::kPhotoSize;
    if (side < 1 || side > 6000) {
        std::fprintf(stderr, "SIDE must be from 1 to 6000\n");
        return 2;
    }

    const platform::Bitmap picture = bench::photoLikePicture(side, side, bench::kPhotoSeed);
    const std::optional<std::string> png = platform::encodePng(picture);
    std::ofstream file(argv[1], std::ios::binary);
    if (!png || !file.write(png->data(), static_cast<std::streamsize>(png->size()))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
