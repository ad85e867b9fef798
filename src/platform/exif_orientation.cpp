#include "platform/exif_orientation.h"

#include <cstdint>

namespace platform {
namespace {

constexpr std::size_t kHeaderSize = 6;  // "Exif\0\0"
constexpr int kMaxDirectories = 10;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// Reads numbers in the byte order of the EXIF data; a read past the end gives 0 and spoils the reader.
class ExifReader {
public:
    ExifReader(std::string_view data, std::size_t position) : data_(data), position_(position) {}

    void setBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }
    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    void seek(std::size_t position) { position_ = position; }

    std::uint32_t number(int bytes) {
        if (!ok_ || data_.size() - position_ < static_cast<std::size_t>(bytes)) {
            ok_ = false;
            position_ = data_.size();
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<std::uint8_t>(data_[position_ + static_cast<std::size_t>(i)]);
            value |= static_cast<std::uint32_t>(byte) << (8 * (bigEndian_ ? bytes - 1 - i : i));
        }
        position_ += static_cast<std::size_t>(bytes);
        return value;
    }

private:
    std::string_view data_;
    std::size_t position_;
    bool bigEndian_ = false;
    bool ok_ = true;
};

// 0 when no orientation is given, -1 when the data cannot be read, otherwise the orientation.
int readOrientation(std::string_view app1) {
    if (app1.substr(0, kHeaderSize) != std::string_view("Exif\0\0", kHeaderSize)) return -1;
    ExifReader reader(app1, kHeaderSize);
    const std::uint32_t byteOrder = reader.number(2);
    if (byteOrder != 0x4949 && byteOrder != 0x4D4D) return -1;
    reader.setBigEndian(byteOrder == 0x4D4D);
    if (reader.number(2) != 0x2A) return -1;
    std::uint32_t offset = reader.number(4);

    for (int directory = 0; directory < kMaxDirectories; ++directory) {
        const std::size_t start = kHeaderSize + offset;
        if (start < reader.position() || start >= app1.size()) return -1;
        reader.seek(start);
        for (std::uint32_t entries = reader.number(2); entries > 0 && reader.ok(); --entries) {
            const std::uint32_t tag = reader.number(2);
            const std::uint32_t type = reader.number(2);
            const std::uint32_t count = reader.number(4);
            const std::uint32_t value = reader.number(2);
            reader.number(2);
            if (tag == kOrientationTag) {
                if (count != 1 || type != kShortType || value < 1 || value > 8) return -1;
                return static_cast<int>(value);
            }
        }
        offset = reader.number(4);
        if (!reader.ok()) return -1;
        if (offset == 0) return 0;
    }
    return -1;
}

}  // namespace

int exifOrientation(std::string_view app1) {
    const int orientation = readOrientation(app1);
    return orientation > 0 ? orientation : 1;
}

Bitmap orientBitmap(const Bitmap& stored, int orientation) {
    const int w = stored.width();
    const int h = stored.height();
    const bool turned = orientation >= 5;  // 5 to 8 swap rows and columns
    Bitmap oriented(turned ? h : w, turned ? w : h);
    for (int y = 0; y < oriented.height(); ++y) {
        Rgb* out = oriented.row(y);
        for (int x = 0; x < oriented.width(); ++x) {
            int sx = x;
            int sy = y;
            switch (orientation) {
            case 2: sx = w - 1 - x; break;                      // mirrored
            case 3: sx = w - 1 - x; sy = h - 1 - y; break;      // turned half round
            case 4: sy = h - 1 - y; break;                      // flipped
            case 5: sx = y; sy = x; break;                      // mirrored and turned a quarter left
            case 6: sx = y; sy = h - 1 - x; break;              // turned a quarter right
            case 7: sx = w - 1 - y; sy = h - 1 - x; break;      // mirrored and turned a quarter right
            case 8: sx = w - 1 - y; sy = x; break;              // turned a quarter left
            default: break;
            }
            out[x] = stored.row(sy)[sx];
        }
    }
    return oriented;
}

}  // namespace platform
