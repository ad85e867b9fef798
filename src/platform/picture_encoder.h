#pragma once

#include "platform/bitmap.h"

#include <optional>
#include <string>

namespace platform {

// How each row is predicted from its neighbours before compression.
enum class PngFilter { None, Sub, Up, Average, Paeth, EachRowBest };

struct PngSettings {
    bool palette = true;          // a picture of at most 256 colours is written as palette indices
    PngFilter filter = PngFilter::Up;
    int level = 1;                // zlib's, 0 (stored) to 9 (smallest)
    bool runLengthsOnly = false;  // zlib only repeats the byte before, which suits palette rows
};

// Chosen by measurement (bench/png_writer_bench.cpp). A chart picture has few colours, each filling
// whole cells: as palette indices under the Up filter, most rows become zeros and the rest runs of a
// cell's width, which zlib's run-length matching packs fastest and smallest (a 600 x 400 chart in
// about 1 ms and 6 kB). Pictures of more colours, such as a chart left in its cube colours, are
// written as RGB, where run lengths do poorly and zlib's fastest level does well.
inline constexpr PngSettings kPalettePngSettings{true, PngFilter::Up, 1, true};
inline constexpr PngSettings kRgbPngSettings{false, PngFilter::Up, 1, false};

// PNG file contents of a picture, written with whichever of the settings above fits it; nullopt when
// it cannot be encoded (too large to allocate, say).
std::optional<std::string> encodePng(const Bitmap& bitmap);
// The same with the given settings, for comparing them.
std::optional<std::string> encodePng(const Bitmap& bitmap, const PngSettings& settings);

}  // namespace platform
