#include "platform/bmp_header.h"

#include "platform/picture_refusal.h"

#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the oldest form, with 16-bit sizes
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeightOffset = kFileHeaderSize + 8;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint32_t littleEndian(std::string_view bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]))
                 << (8 * i);
    }
    return value;
}

BmpCheck refused(std::string message, PictureProblem problem = PictureProblem::Damaged) {
    BmpCheck check;
    check.refusal = std::move(message);
    check.problem = problem;
    return check;
}

}  // namespace

BmpCheck checkBmp(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + 4) return refused(kDamagedPicture);
    const std::uint32_t dataOffset = littleEndian(bytes, 10, 4);
    const std::uint32_t headerSize = littleEndian(bytes, kFileHeaderSize, 4);
    const bool core = headerSize == kCoreHeaderSize;
    // Headers of other sizes are left to Qt's reader to accept or refuse.
    if (!core && headerSize < kInfoHeaderSize) return {};
    if (bytes.size() < kFileHeaderSize + (core ? kCoreHeaderSize : kInfoHeaderSize)) return refused(kDamagedPicture);

    long long width = 0;
    long long height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t declaredDataSize = 0;
    if (core) {
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bitsPerPixel = littleEndian(bytes, 24, 2);
    } else {
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, kHeightOffset, 4));
        bitsPerPixel = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
        declaredDataSize = littleEndian(bytes, 34, 4);
    }
    BmpCheck check;
    check.layout.topDown = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height == 0) return {};  // Qt's reader says what is wrong with the size
    if (exceedsPixelLimit(width, height)) return refused(tooLarge(width, height).message, PictureProblem::TooManyPixels);

    // Rows of uncompressed pixels are padded to whole 32-bit words; compressed data has its declared size.
    const bool uncompressed = compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
    const long long dataSize = uncompressed ? (width * bitsPerPixel + 31) / 32 * 4 * height : declaredDataSize;
    if (static_cast<long long>(dataOffset) + dataSize > static_cast<long long>(bytes.size())) {
        return refused(kDamagedPicture);
    }
    // Compressed data is stored from the bottom whatever the height says, so only plain rows turn over.
    if (check.layout.topDown && !uncompressed) return {};
    return check;
}

std::string asBottomUp(std::string_view bytes) {
    std::string copy(bytes);
    const auto height = static_cast<std::uint32_t>(-static_cast<std::int32_t>(littleEndian(bytes, kHeightOffset, 4)));
    for (std::size_t i = 0; i < 4; ++i) copy[kHeightOffset + i] = static_cast<char>((height >> (8 * i)) & 0xFF);
    return copy;
}

}  // namespace platform
