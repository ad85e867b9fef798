#include "chart/test_pictures.h"

#include <algorithm>
#include <random>

namespace test_pictures {

using platform::Bitmap;
using platform::Rgb;

namespace {

std::uint8_t channel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// v scaled from 0 … span onto 0 … 255.
int ramp(int v, int span) { return span <= 0 ? 0 : v * 255 / span; }

// Raw generator bits rather than a distribution, so that every standard library draws the same.
int noiseByte(std::mt19937& random) { return static_cast<int>(random() & 0xFF); }

void fillRect(Bitmap& bitmap, int left, int top, int right, int bottom, Rgb colour) {
    for (int x = std::max(0, left); x < std::min(right, bitmap.width()); ++x)
        for (int y = std::max(0, top); y < std::min(bottom, bitmap.height()); ++y) bitmap.set(x, y, colour);
}

void fillDisc(Bitmap& bitmap, int cx, int cy, int radius, Rgb colour) {
    for (int x = 0; x < bitmap.width(); ++x)
        for (int y = 0; y < bitmap.height(); ++y)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) bitmap.set(x, y, colour);
}

// A picture whose pixel (x, y) is colourAt(x, y), painted column by column.
template <typename ColourAt>
Bitmap painted(int width, int height, ColourAt colourAt) {
    Bitmap bitmap(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) bitmap.set(x, y, colourAt(x, y));
    return bitmap;
}

}  // namespace

Bitmap gradient(int width, int height) {
    return painted(width, height, [&](int x, int y) {
        return Rgb{channel(ramp(x, width - 1)), channel(ramp(y, height - 1)), channel(255 - ramp(x + y, width + height - 2))};
    });
}

Bitmap noise(int width, int height, std::uint32_t seed) {
    std::mt19937 random(seed);
    return painted(width, height, [&](int, int) {
        const int r = noiseByte(random);
        const int g = noiseByte(random);
        return Rgb{channel(r), channel(g), channel(noiseByte(random))};
    });
}

Bitmap shapes(int width, int height) {
    Bitmap bitmap(width, height, Rgb{250, 248, 240});
    fillRect(bitmap, width / 10, height / 8, width / 2, height / 2, Rgb{200, 30, 40});
    fillRect(bitmap, width / 3, height / 3, width * 4 / 5, height * 3 / 4, Rgb{20, 90, 180});
    fillDisc(bitmap, width * 2 / 3, height / 4, std::min(width, height) / 6, Rgb{250, 210, 0});
    fillDisc(bitmap, width / 4, height * 3 / 4, std::min(width, height) / 5, Rgb{30, 140, 60});
    fillRect(bitmap, 0, height - height / 10, width, height, Rgb{0, 0, 0});
    // Thin stripes, narrower than a cell, so that cells split between two colours.
    for (int x = width / 2; x < width; x += 4) fillRect(bitmap, x, 0, x + 2, height / 6, Rgb{120, 60, 160});
    return bitmap;
}

Bitmap photoLike(int width, int height, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bitmap bitmap = painted(width, height, [&](int x, int y) {
        // Sky above, ground below, both shaded, with grain.
        const int shade = ramp(y, height - 1);
        const int grain = noiseByte(random) % 25 - 12;
        if (y < height * 2 / 5) {
            return Rgb{channel(110 + shade / 3 + grain), channel(160 + shade / 4 + grain), channel(230 - shade / 5 + grain)};
        }
        return Rgb{channel(70 + ramp(x, width - 1) / 4 + grain), channel(110 - shade / 4 + grain), channel(40 + grain)};
    });
    fillDisc(bitmap, width * 3 / 4, height / 6, std::max(2, height / 10), Rgb{255, 240, 200});
    fillRect(bitmap, width / 5, height / 3, width / 5 + width / 8, height * 4 / 5, Rgb{150, 40, 35});
    fillRect(bitmap, width / 2, height / 2, width / 2 + width / 6, height / 2 + height / 4, Rgb{240, 240, 235});
    return bitmap;
}

Bitmap fewFlatColours(int width, int height) {
    const Rgb colours[] = {{255, 255, 255}, {220, 20, 60}, {0, 100, 0}, {30, 30, 120}, {255, 200, 0}};
    return painted(width, height, [&](int x, int y) {
        return colours[(x * 5 / std::max(1, width) + y * 2 / std::max(1, height)) % 5];
    });
}

Bitmap flat(int width, int height, Rgb colour) { return Bitmap(width, height, colour); }

Bitmap greyRamp(int width, int height) {
    return painted(width, height, [&](int x, int) {
        const std::uint8_t v = channel(ramp(x, width - 1));
        return Rgb{v, v, v};
    });
}

Bitmap primaries(int width, int height) {
    const Rgb colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {255, 0, 255}};
    return painted(width, height, [&](int x, int y) {
        return colours[(x * 3 / std::max(1, width) + (y * 2 / std::max(1, height)) * 3) % 6];
    });
}

std::vector<Scene> standardScenes() {
    return {
        {"gradient", gradient(160, 120), 120, 90, 3, 3},
        {"noise", noise(64, 64, 7), 96, 96, 3, 3},
        {"shapes_partial_cells", shapes(200, 150), 200, 150, 4, 4},
        {"photo", photoLike(300, 200, 3), 300, 200, 3, 3},
        {"few_flat", fewFlatColours(90, 60), 90, 60, 3, 3},
        {"single_flat", flat(50, 50, Rgb{90, 140, 200}), 24, 24, 3, 3},
        {"grey_ramp_tall_cells", greyRamp(256, 40), 128, 40, 2, 4},
        {"primaries", primaries(120, 120), 120, 120, 5, 5},
        {"tiny_enlarged", gradient(7, 5), 100, 76, 3, 3},
        {"noise_one_pixel_cells", noise(40, 30, 11), 40, 30, 1, 1},
    };
}

}  // namespace test_pictures
