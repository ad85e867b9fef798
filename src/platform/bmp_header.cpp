#include "platform/bmp_header.h"

#include "platform/picture_refusal.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the oldest form, with 16-bit sizes
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMasksInHeaderSize = 108;  // from this size on, the header holds the masks

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

constexpr const char* kNoReadableSize = "the picture has no readable size";

std::uint32_t littleEndian(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]))
                 << (8 * i);
    }
    return value;
}

BmpLayout refused(std::string message, PictureProblem problem = PictureProblem::Damaged) {
    BmpLayout layout;
    layout.refusal = std::move(message);
    layout.problem = problem;
    return layout;
}

// The fields of either header form, widened.
struct Fields {
    std::uint32_t headerSize = 0;
    long long width = 0;
    long long height = 0;  // negative for rows stored from the top
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t declaredDataSize = 0;
    std::uint32_t coloursUsed = 0;
};

// Every header under 40 bytes is read as the oldest form: its fields sit where that form has them.
bool isCoreForm(std::uint32_t headerSize) { return headerSize < kInfoHeaderSize; }

Fields readFields(std::string_view bytes) {
    Fields fields;
    fields.headerSize = littleEndian(bytes, kFileHeaderSize, 4);
    if (isCoreForm(fields.headerSize)) {
        fields.width = littleEndian(bytes, 18, 2);
        fields.height = littleEndian(bytes, 20, 2);
        fields.planes = littleEndian(bytes, 22, 2);
        fields.bitsPerPixel = littleEndian(bytes, 24, 2);
    } else {
        fields.width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        fields.height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        fields.planes = littleEndian(bytes, 26, 2);
        fields.bitsPerPixel = littleEndian(bytes, 28, 2);
        fields.compression = littleEndian(bytes, 30, 4);
        fields.declaredDataSize = littleEndian(bytes, 34, 4);
        fields.coloursUsed = littleEndian(bytes, 46, 4);
    }
    return fields;
}

bool isUncompressed(std::uint32_t compression) {
    return compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
}

long long rowBytes(long long width, std::uint32_t bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The pixel count and the end of the pixel data, checked against what the headers declare before the
// rest of the headers is looked at.
std::optional<BmpLayout> refuseBySize(const Fields& fields, std::string_view bytes) {
    const long long height = std::llabs(fields.height);
    if (fields.width <= 0 || height == 0) return std::nullopt;
    if (exceedsPixelLimit(fields.width, height)) {
        return refused(tooLarge(fields.width, height).message, PictureProblem::TooManyPixels);
    }
    // Rows of uncompressed pixels are padded to whole 32-bit words; compressed data has its declared size.
    const long long dataSize = isUncompressed(fields.compression) ? rowBytes(fields.width, fields.bitsPerPixel) * height
                                                                  : fields.declaredDataSize;
    const long long dataOffset = littleEndian(bytes, 10, 4);
    if (dataOffset + dataSize > static_cast<long long>(bytes.size())) return refused(kDamagedPicture);
    return std::nullopt;
}

bool knownHeaderSize(std::uint32_t size) {
    return isCoreForm(size) || size == kInfoHeaderSize || size == 64 || size == kMasksInHeaderSize || size == 124;
}

std::optional<BmpPixels> pixelsOf(std::uint32_t bitsPerPixel, std::uint32_t compression) {
    const bool indexed = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8;
    const bool masked = bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (compression == kRgb && (indexed || masked)) return indexed ? BmpPixels::Indexed : BmpPixels::Masked;
    if (compression == kRle8 && bitsPerPixel == 8) return BmpPixels::RunLength8;
    if (compression == kRle4 && bitsPerPixel == 4) return BmpPixels::RunLength4;
    if (compression == kBitFields && (bitsPerPixel == 16 || bitsPerPixel == 32)) return BmpPixels::Masked;
    return std::nullopt;
}

BmpChannel channelOf(std::uint32_t mask) {
    if (mask == 0) return {};
    BmpChannel channel;
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    channel.scale = static_cast<std::uint32_t>(256 / ((static_cast<std::uint64_t>(mask) >> channel.shift) + 1));
    return channel;
}

struct Masks {
    std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
};

// Plain 16-bit pixels are 5-5-5; plain 24- and 32-bit ones are 8-8-8, with the top byte of a 32-bit
// pixel its alpha only when a header with masks names exactly that byte.
Masks plainMasks(const Fields& fields, std::string_view bytes) {
    if (fields.bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F, 0};
    const bool alphaByte = fields.bitsPerPixel == 32 && fields.headerSize >= kMasksInHeaderSize &&
                           littleEndian(bytes, 66, 4) == 0xFF000000;
    return {0xFF0000, 0x00FF00, 0x0000FF, alphaByte ? 0xFF000000 : 0};
}

// Reads the masks of 16-, 24- and 32-bit pixels, which the header holds or, when smaller, is followed by.
bool readMasks(const Fields& fields, std::string_view bytes, std::size_t& position, BmpLayout& layout) {
    Masks masks = plainMasks(fields, bytes);
    if (fields.compression == kBitFields && fields.headerSize >= kMasksInHeaderSize) {
        masks = {littleEndian(bytes, 54, 4), littleEndian(bytes, 58, 4), littleEndian(bytes, 62, 4),
                 littleEndian(bytes, 66, 4)};
    } else if (fields.compression == kBitFields) {
        if (bytes.size() < position + 12) return false;
        masks = {littleEndian(bytes, position, 4), littleEndian(bytes, position + 4, 4),
                 littleEndian(bytes, position + 8, 4), 0};
        position += 12;
    }
    for (const std::uint32_t mask : {masks.red, masks.green, masks.blue, masks.alpha}) {
        if (mask == 0xFFFFFFFF) return false;
    }
    layout.red = channelOf(masks.red);
    layout.green = channelOf(masks.green);
    layout.blue = channelOf(masks.blue);
    layout.alpha = channelOf(masks.alpha);
    layout.hasAlpha = masks.alpha != 0;
    return true;
}

// Reads the palette of 1-, 4- and 8-bit pixels: as many colours as the header says, or else as the
// pixels can tell apart, of 3 bytes each after the oldest header and of 4 after any other.
bool readPalette(const Fields& fields, std::string_view bytes, std::size_t& position, BmpLayout& layout) {
    const std::size_t entries = fields.coloursUsed == 0 ? std::size_t{1} << fields.bitsPerPixel : fields.coloursUsed;
    const std::size_t entrySize = fields.headerSize == kCoreHeaderSize ? 3 : 4;
    if (entries > layout.palette.size() || bytes.size() < position + entries * entrySize) return false;
    layout.palette.fill(kWhite);
    for (std::size_t i = 0; i < entries; ++i, position += entrySize) {
        const auto* entry = reinterpret_cast<const std::uint8_t*>(bytes.data() + position);
        layout.palette[i] = Rgb{entry[2], entry[1], entry[0]};
    }
    return true;
}

}  // namespace

BmpLayout readBmpLayout(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + 4) return refused(kDamagedPicture);
    const std::uint32_t headerSize = littleEndian(bytes, kFileHeaderSize, 4);
    const bool core = isCoreForm(headerSize);
    // The oldest form and the larger ones are measured before anything else is read.
    const bool measuredFirst = headerSize == kCoreHeaderSize || !core;
    if (bytes.size() < kFileHeaderSize + (core ? kCoreHeaderSize : kInfoHeaderSize)) {
        return refused(measuredFirst ? kDamagedPicture : kNoReadableSize);
    }
    const Fields fields = readFields(bytes);
    if (measuredFirst) {
        if (std::optional<BmpLayout> refusal = refuseBySize(fields, bytes)) return std::move(*refusal);
    }

    // Past that first look, the sizes of the oldest form count as signed: from 32768 on they are negative.
    const long long width = core ? static_cast<std::int16_t>(fields.width) : fields.width;
    const long long signedHeight = core ? static_cast<std::int16_t>(fields.height) : fields.height;
    const std::optional<BmpPixels> pixels = pixelsOf(fields.bitsPerPixel, fields.compression);
    const bool runLength = pixels == BmpPixels::RunLength8 || pixels == BmpPixels::RunLength4;
    // Only headers that hold masks are read whole; of the others, only the fields of the 40-byte form.
    const bool headerCut = headerSize >= kMasksInHeaderSize && bytes.size() < kFileHeaderSize + headerSize;
    const bool sizeUnreadable = width <= 0 || signedHeight == 0 || (signedHeight < 0 && (core || runLength));
    if (!knownHeaderSize(headerSize) || headerCut || fields.planes != 1 || !pixels || sizeUnreadable) {
        return refused(kNoReadableSize);
    }
    const long long height = std::llabs(signedHeight);
    if (exceedsPixelLimit(width, height)) {
        return refused(tooLarge(width, height).message, PictureProblem::TooManyPixels);
    }

    BmpLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.topDown = signedHeight < 0;
    layout.bitsPerPixel = static_cast<int>(fields.bitsPerPixel);
    layout.pixels = *pixels;
    std::size_t position = kFileHeaderSize + headerSize;

    const bool read = *pixels == BmpPixels::Masked ? readMasks(fields, bytes, position, layout)
                                                   : readPalette(fields, bytes, position, layout);
    if (!read) return refused(kUnreadableBmp);
    // Pixel data that the file header places inside the headers or palette, or past the end of the file,
    // starts right after them.
    const std::size_t dataOffset = littleEndian(bytes, 10, 4);
    layout.dataOffset = dataOffset > position && dataOffset <= bytes.size() ? dataOffset : position;
    return layout;
}

}  // namespace platform
