#include "platform/picture_encoder.h"

#include <png.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <new>
#include <vector>

namespace platform {
namespace {

// The picture as palette indices, one byte a pixel, when it has at most 256 colours.
struct Indexed {
    std::vector<png_color> palette;
    std::vector<png_byte> indices;
};

std::uint32_t key(Rgb colour) { return (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b; }

// Open addressing over a table four times the palette's size; a chart repeats each colour across a
// cell, so the colour before is tried first.
std::optional<Indexed> indexed(const Bitmap& bitmap) {
    constexpr std::uint32_t kSlots = 1024;
    constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    std::array<std::uint32_t, kSlots> keys;
    std::array<png_byte, kSlots> slotIndex{};
    keys.fill(kEmpty);
    Indexed result;
    result.indices.resize(static_cast<std::size_t>(bitmap.width()) * static_cast<std::size_t>(bitmap.height()));
    std::uint32_t lastKey = kEmpty;
    png_byte lastIndex = 0;
    png_bytep out = result.indices.data();
    for (int y = 0; y < bitmap.height(); ++y) {
        const Rgb* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t k = key(row[x]);
            if (k != lastKey) {
                std::uint32_t slot = (k * 2654435761u) >> 22;
                while (keys[slot] != k && keys[slot] != kEmpty) slot = (slot + 1) % kSlots;
                if (keys[slot] == kEmpty) {
                    if (result.palette.size() == 256) return std::nullopt;
                    keys[slot] = k;
                    slotIndex[slot] = static_cast<png_byte>(result.palette.size());
                    result.palette.push_back(png_color{row[x].r, row[x].g, row[x].b});
                }
                lastKey = k;
                lastIndex = slotIndex[slot];
            }
            *out++ = lastIndex;
        }
    }
    return result;
}

int filterFlags(PngFilter filter) {
    switch (filter) {
    case PngFilter::None:
        return PNG_FILTER_NONE;
    case PngFilter::Sub:
        return PNG_FILTER_SUB;
    case PngFilter::Up:
        return PNG_FILTER_UP;
    case PngFilter::Average:
        return PNG_FILTER_AVG;
    case PngFilter::Paeth:
        return PNG_FILTER_PAETH;
    case PngFilter::EachRowBest:
        break;
    }
    return PNG_ALL_FILTERS;
}

struct PngWriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const Bitmap* bitmap = nullptr;
    PngSettings settings;
    std::optional<Indexed> indexed;
    std::string bytes;
};

// No exception may pass through libpng's frames: a failed allocation becomes libpng's own error.
void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    bool appended = true;
    try {
        static_cast<PngWriteJob*>(png_get_io_ptr(png))->bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended) png_error(png, "out of memory");
}

void flushNothing(png_structp) {}

void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void ignoreWarning(png_structp, png_const_charp) {}

// The part that libpng may jump out of: it holds no object of its own that needs destroying.
bool runEncoder(PngWriteJob& job) {
    if (setjmp(png_jmpbuf(job.png)) != 0) return false;
    const Bitmap& bitmap = *job.bitmap;
    png_set_write_fn(job.png, &job, appendBytes, flushNothing);
    png_set_filter(job.png, PNG_FILTER_TYPE_BASE, filterFlags(job.settings.filter));
    png_set_compression_level(job.png, job.settings.level);
    png_set_compression_strategy(job.png, job.settings.runLengthsOnly ? Z_RLE : Z_DEFAULT_STRATEGY);
    const auto width = static_cast<png_uint_32>(bitmap.width());
    const auto height = static_cast<png_uint_32>(bitmap.height());
    png_set_IHDR(job.png, job.info, width, height, 8, job.indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (job.indexed) {
        png_set_PLTE(job.png, job.info, job.indexed->palette.data(), static_cast<int>(job.indexed->palette.size()));
    }
    png_write_info(job.png, job.info);
    for (png_uint_32 y = 0; y < height; ++y) {
        const auto row = job.indexed ? job.indexed->indices.data() + std::size_t{y} * width
                                     : reinterpret_cast<png_const_bytep>(bitmap.row(static_cast<int>(y)));
        png_write_row(job.png, row);
    }
    png_write_end(job.png, nullptr);
    return true;
}

std::optional<std::string> encode(const Bitmap& bitmap, std::optional<Indexed> indexed, const PngSettings& settings) {
    PngWriteJob job;
    job.bitmap = &bitmap;
    job.settings = settings;
    job.indexed = std::move(indexed);
    job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, ignoreWarning);
    if (job.png == nullptr) return std::nullopt;
    job.info = png_create_info_struct(job.png);
    const bool written = job.info != nullptr && runEncoder(job);
    png_destroy_write_struct(&job.png, &job.info);
    if (!written) return std::nullopt;
    return std::move(job.bytes);
}

// Failing to allocate the palette indices means the picture is too large to write; the file's bytes
// report theirs through libpng.
template <typename Encode>
std::optional<std::string> unlessOutOfMemory(Encode encode) {
    try {
        return encode();
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> encodePng(const Bitmap& bitmap) {
    return unlessOutOfMemory([&] {
        std::optional<Indexed> indices = indexed(bitmap);
        const PngSettings& settings = indices ? kPalettePngSettings : kRgbPngSettings;
        return encode(bitmap, std::move(indices), settings);
    });
}

std::optional<std::string> encodePng(const Bitmap& bitmap, const PngSettings& settings) {
    return unlessOutOfMemory([&] { return encode(bitmap, settings.palette ? indexed(bitmap) : std::nullopt, settings); });
}

}  // namespace platform
