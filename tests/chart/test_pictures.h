#pragma once

// Deterministic pictures for the chart tests, each chosen to stress a different part of the
// pipeline: smooth colour changes (diffusion, averaging), noise (many cube cells, long reductions),
// hard edges (dominant colours), few colours (nothing to reduce), greys (grey distance factors).

#include "platform/bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace test_pictures {

platform::Bitmap gradient(int width, int height);
platform::Bitmap noise(int width, int height, std::uint32_t seed);
platform::Bitmap shapes(int width, int height);
// Gradients with noise on top and a few hard-edged shapes, like a photograph with objects in it.
platform::Bitmap photoLike(int width, int height, std::uint32_t seed);
platform::Bitmap fewFlatColours(int width, int height);
platform::Bitmap flat(int width, int height, platform::Rgb colour);
platform::Bitmap greyRamp(int width, int height);
platform::Bitmap primaries(int width, int height);

// A picture with the display size and cell size a chart of it is made at.
struct Scene {
    std::string name;
    platform::Bitmap picture;
    int displayWidth = 0;
    int displayHeight = 0;
    int cellWidth = 3;
    int cellHeight = 3;
};

// A varied set: every generator, pictures smaller than their display, displays that are not whole
// cells, non-square cells, and charts from 8 up to 200 cells a side.
std::vector<Scene> standardScenes();

}  // namespace test_pictures
