#include "platform/bmp_decoder.h"

#include "platform/bmp_header.h"
#include "platform/bmp_run_length.h"
#include "platform/on_white.h"
#include "platform/picture_refusal.h"

#include <cstdint>

namespace platform {
namespace {

template <int BytesPerPixel>
std::uint32_t pixelAt(const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + static_cast<std::size_t>(x) * BytesPerPixel;
    std::uint32_t pixel = 0;
    for (int i = 0; i < BytesPerPixel; ++i) pixel |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return pixel;
}

bool isPlainByte(const BmpChannel& channel, int shift) { return channel.mask == 0xFFu << shift && channel.scale == 1; }

template <int BytesPerPixel>
void maskedRow(const BmpLayout& layout, const std::uint8_t* in, Rgb* out) {
    // Blue, green and red bytes, the commonest form, are copied as they are.
    if (BytesPerPixel >= 3 && !layout.hasAlpha && isPlainByte(layout.red, 16) && isPlainByte(layout.green, 8) &&
        isPlainByte(layout.blue, 0)) {
        for (int x = 0; x < layout.width; ++x, in += BytesPerPixel) out[x] = Rgb{in[2], in[1], in[0]};
        return;
    }
    for (int x = 0; x < layout.width; ++x) {
        const std::uint32_t pixel = pixelAt<BytesPerPixel>(in, x);
        const Rgb colour{layout.red.of(pixel), layout.green.of(pixel), layout.blue.of(pixel)};
        if (!layout.hasAlpha) {
            out[x] = colour;
            continue;
        }
        const unsigned alpha = layout.alpha.of(pixel);
        out[x] = Rgb{onWhite(colour.r, alpha), onWhite(colour.g, alpha), onWhite(colour.b, alpha)};
    }
}

// Indices fill each byte from its high bits.
void indexedRow(const BmpLayout& layout, const std::uint8_t* in, Rgb* out) {
    const int bits = layout.bitsPerPixel;
    if (bits == 8) {
        for (int x = 0; x < layout.width; ++x) out[x] = layout.palette[in[x]];
        return;
    }
    const int perByte = 8 / bits;
    const unsigned lowBits = (1u << bits) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        out[x] = layout.palette[(in[x / perByte] >> shift) & lowBits];
    }
}

void decodeRow(const BmpLayout& layout, const std::uint8_t* in, Rgb* out) {
    switch (layout.bitsPerPixel) {
    case 16:
        return maskedRow<2>(layout, in, out);
    case 24:
        return maskedRow<3>(layout, in, out);
    case 32:
        return maskedRow<4>(layout, in, out);
    default:
        return indexedRow(layout, in, out);
    }
}

DecodedPicture decodeRows(const BmpLayout& layout, std::string_view bytes) {
    const std::size_t rowBytes =
        (static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.bitsPerPixel) + 31) / 32 * 4;
    if ((bytes.size() - layout.dataOffset) / rowBytes < static_cast<std::size_t>(layout.height)) {
        return refusal(kDamagedPicture);
    }
    DecodedPicture picture;
    picture.bitmap = Bitmap(layout.width, layout.height);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data()) + layout.dataOffset;
    for (int stored = 0; stored < layout.height; ++stored) {
        const std::uint8_t* in = data + static_cast<std::size_t>(stored) * rowBytes;
        decodeRow(layout, in, picture.bitmap.row(layout.topDown ? stored : layout.height - 1 - stored));
    }
    return picture;
}

DecodedPicture decodeRuns(const BmpLayout& layout, std::string_view bytes) {
    const std::optional<RunLengthIndices> runs = decodeRunLength(
        bytes.substr(layout.dataOffset), layout.width, layout.height, layout.pixels == BmpPixels::RunLength4);
    if (!runs) return refusal(kDamagedPicture);
    DecodedPicture picture;
    picture.bitmap = Bitmap(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* in = runs->indices.data() + static_cast<std::size_t>(y) * runs->stride;
        Rgb* out = picture.bitmap.row(y);
        for (int x = 0; x < layout.width; ++x) out[x] = layout.palette[in[x]];
    }
    return picture;
}

}  // namespace

DecodedPicture decodeBmp(std::string_view bytes) {
    const BmpLayout layout = readBmpLayout(bytes);
    if (!layout.refusal.empty()) return refusal(layout.refusal, layout.problem);
    if (layout.dataOffset >= bytes.size()) return refusal(kUnreadableBmp);
    const bool runLength = layout.pixels == BmpPixels::RunLength8 || layout.pixels == BmpPixels::RunLength4;
    return runLength ? decodeRuns(layout, bytes) : decodeRows(layout, bytes);
}

}  // namespace platform
