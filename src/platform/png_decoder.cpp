#include "platform/png_decoder.h"

#include "platform/on_white.h"
#include "platform/picture_refusal.h"

#include <png.h>

#include <array>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

namespace platform {
namespace {

constexpr const char* kOutOfMemory = "the picture cannot be read: out of memory";

// Each palette entry laid onto white, so that an index is looked up once. libpng does not say on
// reading whether an index lies beyond the palette, so the decoder looks itself.
struct PaletteColours {
    std::array<Rgb, 256> colours;
    int entries = 0;
};

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string_view bytes;
    std::size_t position = 0;
    std::vector<png_bytep> rows;
    std::optional<PaletteColours> palette;
    std::vector<png_byte> samples;  // palette indices or RGBA samples, before they become RGB
    Bitmap bitmap;
    std::optional<DecodedPicture> refused;
};

void readBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (job->bytes.size() - job->position < length) png_error(png, "the data ends early");
    std::memcpy(data, job->bytes.data() + job->position, length);
    job->position += length;
}

// libpng's own handler would print the complaint on standard error first; the decoder says it instead.
void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Warnings concern metadata (an odd colour profile, say); the pixels are unharmed.
void ignoreWarning(png_structp, png_const_charp) {}

// A grey tRNS value beyond what the bit depth holds matches no pixel, as it never did with Qt's reader;
// libpng would compare only its low bits.
bool hasTransparency(png_structp png, png_infop info) {
    png_bytep alphas = nullptr;
    int count = 0;
    png_color_16p key = nullptr;
    if (png_get_tRNS(png, info, &alphas, &count, &key) == 0) return false;
    const int bitDepth = png_get_bit_depth(png, info);
    if (png_get_color_type(png, info) != PNG_COLOR_TYPE_GRAY || bitDepth == 16) return true;
    return key->gray < (1u << bitDepth);
}

PaletteColours paletteColours(png_structp png, png_infop info) {
    PaletteColours result;
    png_colorp palette = nullptr;
    png_get_PLTE(png, info, &palette, &result.entries);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_get_tRNS(png, info, &alphas, &alphaCount, nullptr);
    for (int i = 0; i < result.entries; ++i) {
        const unsigned alpha = i < alphaCount ? alphas[i] : 255;
        result.colours[i] = Rgb{onWhite(palette[i].red, alpha), onWhite(palette[i].green, alpha), onWhite(palette[i].blue, alpha)};
    }
    return result;
}

// Palette pictures become an index a byte; every other form 8-bit RGB, with an alpha sample when the
// picture has transparency.
void requestSamples(PngJob& job) {
    png_structp png = job.png;
    png_infop info = job.info;
    if (png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE) {
        png_set_packing(png);
        job.palette = paletteColours(png, info);
    } else {
        png_set_strip_16(png);  // keeps the high byte; tRNS values are still matched against all 16 bits
        png_set_expand_gray_1_2_4_to_8(png);
        if (hasTransparency(png, info)) png_set_tRNS_to_alpha(png);
        png_set_gray_to_rgb(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// False when an index lies beyond the palette.
bool convertRow(const PngJob& job, const png_byte* in, Rgb* out, int width) {
    if (job.palette) {
        for (int x = 0; x < width; ++x) {
            if (in[x] >= job.palette->entries) return false;
            out[x] = job.palette->colours[in[x]];
        }
        return true;
    }
    for (int x = 0; x < width; ++x, in += 4) out[x] = Rgb{onWhite(in[0], in[3]), onWhite(in[1], in[3]), onWhite(in[2], in[3])};
    return true;
}

// Opaque RGB is read straight into the bitmap's rows. Indices and RGBA pass through rows of their own:
// a single row at a time, or the whole picture when it is interlaced, as its passes revisit every row.
bool readPixels(PngJob& job, int width, int height) {
    job.bitmap = Bitmap(width, height);
    job.rows.resize(static_cast<std::size_t>(height));
    const int channels = png_get_channels(job.png, job.info);
    if (channels == 3) {
        for (int y = 0; y < height; ++y) job.rows[y] = reinterpret_cast<png_bytep>(job.bitmap.row(y));
        png_read_image(job.png, job.rows.data());
        return true;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    const bool interlaced = png_get_interlace_type(job.png, job.info) != PNG_INTERLACE_NONE;
    job.samples.resize(rowBytes * (interlaced ? static_cast<std::size_t>(height) : 1));
    for (int y = 0; y < height; ++y) job.rows[y] = job.samples.data() + (interlaced ? rowBytes * y : 0);
    if (interlaced) png_read_image(job.png, job.rows.data());
    for (int y = 0; y < height; ++y) {
        if (!interlaced) png_read_row(job.png, job.rows[y], nullptr);
        if (!convertRow(job, job.rows[y], job.bitmap.row(y), width)) return false;
    }
    return true;
}

// The part that libpng may jump out of: it holds no object of its own that needs destroying.
void runDecoder(PngJob& job) {
    if (setjmp(png_jmpbuf(job.png)) != 0) {
        job.refused = refusal(kDamagedPicture);
        return;
    }
    png_set_read_fn(job.png, &job, readBytes);
    png_read_info(job.png, job.info);
    const png_uint_32 width = png_get_image_width(job.png, job.info);
    const png_uint_32 height = png_get_image_height(job.png, job.info);
    if (exceedsPixelLimit(width, height)) {
        job.refused = tooLarge(width, height);
        return;
    }
    requestSamples(job);
    if (!readPixels(job, static_cast<int>(width), static_cast<int>(height))) {
        job.refused = refusal(kDamagedPicture);
        return;
    }
    png_read_end(job.png, nullptr);
}

}  // namespace

DecodedPicture decodePng(std::string_view bytes) {
    PngJob job;
    job.bytes = bytes;
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, ignoreWarning);
    if (job.png == nullptr) return refusal(kOutOfMemory, PictureProblem::OutOfMemory);
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr) {
        png_destroy_read_struct(&job.png, nullptr, nullptr);
        return refusal(kOutOfMemory, PictureProblem::OutOfMemory);
    }
    // As Qt's reader does, accept the streams of some writers that point further back than they say.
    png_set_option(job.png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
    try {
        runDecoder(job);
    } catch (const std::bad_alloc&) {
        job.refused = refusal(kOutOfMemory, PictureProblem::OutOfMemory);
    }
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    if (job.refused) return std::move(*job.refused);
    DecodedPicture picture;
    picture.bitmap = std::move(job.bitmap);
    return picture;
}

}  // namespace platform
