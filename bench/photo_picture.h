#pragma once

#include "platform/bitmap.h"

#include <cstdint>

namespace bench {

// A picture that asks of the chart what a photograph does: long smooth gradients, hard-edged shapes
// and sensor-like noise. The same seed always gives the same picture.
platform::Bitmap photoLikePicture(int width, int height, std::uint32_t seed);

// The picture the benchmarks chart: 600 x 600 pixels from this seed.
inline constexpr int kPhotoSize = 600;
inline constexpr std::uint32_t kPhotoSeed = 20240601;

}  // namespace bench
