#include "platform/bmp_run_length.h"

#include <algorithm>

namespace platform {
namespace {

// Where the codes have got to: x counts on past the end of a row until a code moves to another one.
// Pixels go nowhere past the last one of the bottom row on screen.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        picture_.stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
        picture_.indices.assign(picture_.stride * static_cast<std::size_t>(height), 0);
        end_ = static_cast<long long>(picture_.stride) * (height - 1) + width;
    }

    bool pastTop() const { return y_ >= height_; }
    // The codes have reached the end of the last row.
    bool complete() const { return pastTop() || (y_ == height_ - 1 && x_ >= width_); }
    // How many pixels fit between the cursor and the end.
    long long room() const { return std::max(0LL, end_ - position()); }

    // Writes count pixels from the cursor, the i-th of them index(i).
    template <typename Index>
    void write(long long count, Index index) {
        const long long begin = position();
        const long long end = std::min(begin + count, end_);
        for (long long p = begin; p < end; ++p) picture_.indices[static_cast<std::size_t>(p)] = index(p - begin);
        x_ += count;
    }

    void nextRow() {
        x_ = 0;
        ++y_;
    }

    // Moves right and up, staying inside the picture.
    void move(int right, int up) {
        x_ = std::min<long long>(x_ + right, width_ - 1);
        y_ = std::min(y_ + up, height_ - 1);
    }

    RunLengthIndices take() { return std::move(picture_); }

private:
    long long position() const {
        return static_cast<long long>(picture_.stride) * (height_ - 1 - y_) + x_;
    }

    int width_;
    int height_;
    long long end_ = 0;
    long long x_ = 0;
    int y_ = 0;  // counted from the bottom row
    RunLengthIndices picture_;
};

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfPicture = 1;
constexpr std::uint8_t kDelta = 2;

}  // namespace

std::optional<RunLengthIndices> decodeRunLength(std::string_view codes, int width, int height, bool fourBit) {
    Canvas canvas(width, height);
    const auto* data = reinterpret_cast<const std::uint8_t*>(codes.data());
    const std::size_t size = codes.size();
    std::size_t i = 0;
    while (!canvas.pastTop()) {
        // Codes that stop at the end of the picture need no end code; codes cut in two are damaged.
        if (i == size && canvas.complete()) break;
        if (size - i < 2) return std::nullopt;
        const std::uint8_t count = data[i];
        const std::uint8_t value = data[i + 1];
        i += 2;
        if (count != kEscape) {
            // A run: one index, or for 4-bit codes two that take turns.
            canvas.write(count, [fourBit, value](long long k) -> std::uint8_t {
                if (!fourBit) return value;
                return k % 2 == 0 ? value >> 4 : value & 0x0F;
            });
        } else if (value == kEndOfLine) {
            canvas.nextRow();
        } else if (value == kEndOfPicture) {
            break;
        } else if (value == kDelta) {
            if (size - i < 2) return std::nullopt;
            canvas.move(data[i], data[i + 1]);
            i += 2;
        } else {
            // Literal indices, padded to a whole number of 16-bit words. Only those that fit before the
            // end are read, and the padding then follows them: the code's other bytes count as codes.
            const long long fitting = std::min<long long>(value, canvas.room());
            const auto bytes = static_cast<std::size_t>(fourBit ? (fitting + 1) / 2 : fitting);
            if (size - i < bytes) return std::nullopt;
            const std::uint8_t* literal = data + i;
            canvas.write(fitting, [fourBit, literal](long long k) -> std::uint8_t {
                if (!fourBit) return literal[k];
                const std::uint8_t pair = literal[k / 2];
                return k % 2 == 0 ? pair >> 4 : pair & 0x0F;
            });
            i += std::min(size - i, (bytes + 1) / 2 * 2);
        }
    }
    return canvas.take();
}

}  // namespace platform
