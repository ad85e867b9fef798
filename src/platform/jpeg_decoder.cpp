#include "platform/jpeg_decoder.h"

#include "platform/exif_orientation.h"
#include "platform/picture_refusal.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <string>

// jpeglib.h first: its configuration decides which messages jerror.h declares.
#include <jpeglib.h>
#include <jerror.h>

namespace platform {
namespace {

constexpr int kRowsPerRead = 16;

// libjpeg reports data that ends early or does not make sense as warnings and fills the gap in; these
// are the ones that mean the pixels are not what the file was meant to hold.
bool isDamageWarning(int code) {
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
        return true;
    default:
        return false;
    }
}

struct ErrorManager : jpeg_error_mgr {
    std::jmp_buf jump;
    bool damaged = false;
};

void onError(j_common_ptr info) { std::longjmp(static_cast<ErrorManager*>(info->err)->jump, 1); }

void onMessage(j_common_ptr info, int level) {
    auto* errors = static_cast<ErrorManager*>(info->err);
    if (level < 0 && isDamageWarning(errors->msg_code)) errors->damaged = true;
}

// Nothing libjpeg says reaches standard error: what matters comes back as the decoder's message.
void onOutput(j_common_ptr) {}

std::string lastMessage(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX];
    info->err->format_message(info, text);
    return text;
}

// Qt's reading of CMYK (and YCCK, which libjpeg hands out as CMYK): each ink scaled by the black.
void cmykToRgb(const JSAMPLE* in, Rgb* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        const int k = in[3];
        out[x] = Rgb{static_cast<std::uint8_t>(k * in[0] / 255), static_cast<std::uint8_t>(k * in[1] / 255),
                     static_cast<std::uint8_t>(k * in[2] / 255)};
    }
}

struct JpegJob {
    jpeg_decompress_struct info{};
    ErrorManager errors;
    std::string_view bytes;
    Bitmap bitmap;
    std::string app1;  // the EXIF data, where the orientation is
    DecodedPicture refused;
};

void collectApp1(JpegJob& job) {
    for (jpeg_saved_marker_ptr marker = job.info.marker_list; marker != nullptr; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) job.app1.append(reinterpret_cast<const char*>(marker->data), marker->data_length);
    }
}

// The part that libjpeg may jump out of: it holds no object of its own that needs destroying.
bool runDecoder(JpegJob& job) {
    jpeg_decompress_struct& info = job.info;
    if (setjmp(job.errors.jump) != 0) {
        if (info.err->msg_code == JERR_IMAGE_TOO_BIG) {
            job.refused = tooLarge(info.image_width, info.image_height);
        } else {
            job.refused = refusal(job.errors.damaged ? kDamagedPicture
                                                     : "the picture cannot be read: " + lastMessage(reinterpret_cast<j_common_ptr>(&info)));
        }
        return false;
    }
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(job.bytes.data()),
                 static_cast<unsigned long>(job.bytes.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    if (exceedsPixelLimit(info.image_width, info.image_height)) {
        job.refused = tooLarge(info.image_width, info.image_height);
        return false;
    }
    collectApp1(job);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (!cmyk && info.num_components != 1 && info.num_components != 3) {
        job.refused = refusal("the picture cannot be read: unsupported colour form");
        return false;
    }
    if (!cmyk) info.out_color_space = JCS_RGB;  // grey is widened to RGB by libjpeg itself
    jpeg_start_decompress(&info);

    job.bitmap = Bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    JSAMPARRAY cmykRow = cmyk ? info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                       info.output_width * 4, 1)
                              : nullptr;
    JSAMPROW rows[kRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const auto y = static_cast<int>(info.output_scanline);
        if (cmyk) {
            jpeg_read_scanlines(&info, cmykRow, 1);
            cmykToRgb(cmykRow[0], job.bitmap.row(y), info.output_width);
            continue;
        }
        const int count = std::min<int>(kRowsPerRead, static_cast<int>(info.output_height) - y);
        for (int i = 0; i < count; ++i) rows[i] = reinterpret_cast<JSAMPROW>(job.bitmap.row(y + i));
        jpeg_read_scanlines(&info, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

DecodedPicture decodeJpeg(std::string_view bytes) {
    JpegJob job;
    job.bytes = bytes;
    job.info.err = jpeg_std_error(&job.errors);
    job.errors.error_exit = onError;
    job.errors.emit_message = onMessage;
    job.errors.output_message = onOutput;
    jpeg_create_decompress(&job.info);
    const bool decoded = runDecoder(job);
    jpeg_destroy_decompress(&job.info);

    if (!decoded) return std::move(job.refused);
    if (job.errors.damaged) return refusal(kDamagedPicture);
    DecodedPicture picture;
    const int orientation = exifOrientation(job.app1);
    picture.bitmap = orientation == 1 ? std::move(job.bitmap) : orientBitmap(job.bitmap, orientation);
    return picture;
}

}  // namespace platform
