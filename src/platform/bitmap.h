#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// The largest picture the program takes in or makes: pictures beyond it are refused before any
// pixel is decoded or drawn.
inline constexpr long long kMaxPicturePixels = 40'000'000;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
// Decoders write 8-bit RGB rows straight into a bitmap's pixels.
static_assert(sizeof(Rgb) == 3);

// A plain picture of 8-bit RGB pixels, row by row. Widgets and decoders convert at the edge.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Rgb fill = kWhite)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }

    Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Rgb colour) { pixels_[index(x, y)] = colour; }

    Rgb* row(int y) { return pixels_.data() + index(0, y); }
    const Rgb* row(int y) const { return pixels_.data() + index(0, y); }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// The colour value canvases take: red in the low byte.
constexpr std::int32_t colourValue(int r, int g, int b) { return r + g * 256 + b * 65536; }

}  // namespace platform
