#include "photo_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {
namespace {

// A generator of our own, so the picture is the same with every standard library.
class Xorshift {
public:
    explicit Xorshift(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint32_t state_;
};

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A flat-coloured shape with a hard outline and a soft shading across it, like an object in sunlight.
struct Disc {
    double cx, cy, radius;
    Colour lit, shade;
};

struct Block {
    double left, top, right, bottom;
    Colour lit, shade;
};

std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

platform::Bitmap photoLikePicture(int width, int height, std::uint32_t seed) {
    Xorshift random(seed);
    const double w = width;
    const double h = height;
    const double horizon = h * random.between(0.40, 0.55);

    const Colour skyTop{random.between(20, 60), random.between(40, 90), random.between(120, 190)};
    const Colour skyLow{random.between(220, 255), random.between(150, 200), random.between(90, 140)};
    const Colour fieldNear{random.between(30, 70), random.between(90, 140), random.between(20, 50)};
    const Colour fieldFar{random.between(120, 170), random.between(150, 190), random.between(80, 120)};

    std::vector<Block> blocks;
    for (int i = 0; i < 6; ++i) {
        const double left = random.between(0, w * 0.85);
        const double top = random.between(horizon * 0.5, horizon * 1.1);
        const Colour lit{random.between(60, 250), random.between(60, 250), random.between(60, 250)};
        blocks.push_back({left, top, left + random.between(w * 0.05, w * 0.2), top + random.between(h * 0.1, h * 0.35),
                          lit, mix(lit, Colour{10, 10, 30}, 0.6)});
    }
    std::vector<Disc> discs;
    for (int i = 0; i < 8; ++i) {
        const Colour lit{random.between(80, 255), random.between(40, 255), random.between(20, 255)};
        discs.push_back({random.between(0, w), random.between(0, h), random.between(w * 0.03, w * 0.12), lit,
                         mix(lit, Colour{0, 0, 0}, 0.5)});
    }
    const double waveX = random.between(0.01, 0.03);
    const double waveY = random.between(0.01, 0.03);

    platform::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour c;
            if (y < horizon) {
                c = mix(skyTop, skyLow, y / horizon);
                const double cloud = 0.5 + 0.5 * std::sin(x * waveX + std::sin(y * waveY * 3) * 2);
                c = mix(c, Colour{245, 240, 235}, 0.25 * cloud * (1 - y / horizon));
            } else {
                const double depth = (y - horizon) / (h - horizon);
                c = mix(fieldFar, fieldNear, depth);
                // Rows of furrows that get coarser towards the viewer.
                c = mix(c, Colour{90, 70, 40}, 0.2 * (0.5 + 0.5 * std::sin(x * (0.05 + depth * 0.3))));
            }
            for (const Block& b : blocks) {
                if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
                    c = mix(b.lit, b.shade, (x - b.left) / (b.right - b.left));
            }
            for (const Disc& d : discs) {
                const double dx = x - d.cx;
                const double dy = y - d.cy;
                const double r = std::sqrt(dx * dx + dy * dy);
                if (r < d.radius)
                    c = mix(d.lit, d.shade, std::clamp((dx + dy) / (2 * d.radius) + 0.5, 0.0, 1.0));
            }
            const double noise = random.between(-10, 10);
            picture.set(x, y, platform::Rgb{channel(c.r + noise + random.between(-4, 4)), channel(c.g + noise),
                                         channel(c.b + noise + random.between(-4, 4))});
        }
    }
    return picture;
}

}  // namespace bench
