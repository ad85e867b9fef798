#include "platform/png_decoder.h"

#include "platform/picture_refusal.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

struct PngJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string_view bytes;
    std::size_t position = 0;
    std::vector<png_bytep> rows;
    Bitmap bitmap;
    std::optional<DecodedPicture> result;
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

bool isPlain(png_structp png, png_infop info) {
    const int colourType = png_get_color_type(png, info);
    return png_get_bit_depth(png, info) <= 8 && (colourType & PNG_COLOR_MASK_ALPHA) == 0 &&
           png_get_valid(png, info, PNG_INFO_tRNS) == 0;
}

bool paletteIndicesFit(png_structp png, png_infop info) {
    if (png_get_color_type(png, info) != PNG_COLOR_TYPE_PALETTE) return true;
    png_colorp palette = nullptr;
    int entries = 0;
    png_get_PLTE(png, info, &palette, &entries);
    return png_get_palette_max(png, info) < entries;
}

// The part that libpng may jump out of: it holds no object of its own that needs destroying.
void runDecoder(PngJob& job) {
    if (setjmp(png_jmpbuf(job.png)) != 0) {
        job.result = refusal(kDamagedPicture);
        return;
    }
    png_set_read_fn(job.png, &job, readBytes);
    png_read_info(job.png, job.info);
    const png_uint_32 width = png_get_image_width(job.png, job.info);
    const png_uint_32 height = png_get_image_height(job.png, job.info);
    if (exceedsPixelLimit(width, height)) {
        job.result = tooLarge(width, height);
        return;
    }
    if (!isPlain(job.png, job.info)) return;

    png_set_expand(job.png);  // palette to RGB, grey of 1, 2 or 4 bits to 8
    png_set_gray_to_rgb(job.png);
    png_set_interlace_handling(job.png);
    png_read_update_info(job.png, job.info);
    job.bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
    job.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) job.rows[y] = reinterpret_cast<png_bytep>(job.bitmap.row(static_cast<int>(y)));
    png_read_image(job.png, job.rows.data());
    png_read_end(job.png, nullptr);
    if (!paletteIndicesFit(job.png, job.info)) {
        job.result = refusal(kDamagedPicture);
        return;
    }
    DecodedPicture picture;
    picture.bitmap = std::move(job.bitmap);
    job.result = std::move(picture);
}

}  // namespace

std::optional<DecodedPicture> decodePlainPng(std::string_view bytes) {
    PngJob job;
    job.bytes = bytes;
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, ignoreWarning);
    if (job.png == nullptr) return refusal("the picture cannot be read: out of memory", PictureProblem::OutOfMemory);
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr) {
        png_destroy_read_struct(&job.png, nullptr, nullptr);
        return refusal("the picture cannot be read: out of memory", PictureProblem::OutOfMemory);
    }
    // As Qt's reader does, accept the streams of some writers that point further back than they say.
    png_set_option(job.png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
    runDecoder(job);
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return std::move(job.result);
}

}  // namespace platform
