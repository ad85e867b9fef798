#include "platform/picture_encoder.h"
#include "platform/png_decoder.h"
#include "platform/qt_reference.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 37;  // odd sizes leave every interlace pass a ragged edge
constexpr int kHeight = 29;

struct PngForm {
    int colourType;
    int bitDepth;
    bool keyed = false;      // a tRNS chunk: alphas for half the palette, or the first pixel's colour
    int greyKey = -1;        // a grey tRNS value beyond the bit depth instead
    int paletteEntries = 0;  // fewer than the indices reach, for a damaged picture
};

// Every colour type at every bit depth it allows, with and without a tRNS chunk where it may have one.
std::vector<PngForm> everyForm() {
    const std::pair<int, std::vector<int>> depths[] = {
        {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}}, {PNG_COLOR_TYPE_RGB, {8, 16}},
        {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}},    {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}}};
    std::vector<PngForm> forms;
    for (const auto& [colourType, bitDepths] : depths) {
        for (const int bitDepth : bitDepths) {
            forms.push_back({colourType, bitDepth});
            if ((colourType & PNG_COLOR_MASK_ALPHA) == 0) forms.push_back({colourType, bitDepth, true});
        }
    }
    forms.push_back({PNG_COLOR_TYPE_GRAY, 1, false, 2});
    forms.push_back({PNG_COLOR_TYPE_GRAY, 8, false, 0x180});
    return forms;
}

int indexCount(const PngForm& form) { return std::min(1 << form.bitDepth, 200); }

std::uint32_t mixed(std::uint32_t x, std::uint32_t y, std::uint32_t channel) {
    std::uint32_t h = x * 2654435761u ^ (y + 1) * 40503u ^ (channel + 7) * 97u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

// A few values a sample, so that tRNS colours recur, with low bytes on both sides of rounding.
unsigned sampleAt(const PngForm& form, int x, int y, int channel) {
    static constexpr unsigned kEight[] = {0x00, 0x33, 0x7F, 0x80, 0xCC, 0xFF};
    static constexpr unsigned kSixteen[] = {0x0000, 0x33A7, 0x7FFF, 0x80FF, 0xCC01, 0xFFFF};
    const std::uint32_t h = mixed(x, y, channel);
    if (form.colourType == PNG_COLOR_TYPE_PALETTE) return h % indexCount(form);
    if (form.bitDepth == 16) return kSixteen[h % 6];
    if (form.bitDepth == 8) return kEight[h % 6];
    return h % (1u << form.bitDepth);
}

// libpng writes no grey tRNS value beyond the bit depth, so the chunk is put in after the header.
std::string withGreyKey(const std::string& png, png_uint_16 key) {
    const std::string chunk = std::string("tRNS") + char(key >> 8) + char(key & 0xFF);
    const auto crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), chunk.size()));
    const std::string crcBytes{char(crc >> 24), char(crc >> 16), char(crc >> 8), char(crc)};
    constexpr std::size_t kAfterHeader = 8 + 25;
    return png.substr(0, kAfterHeader) + std::string("\0\0\0\2", 4) + chunk + crcBytes + png.substr(kAfterHeader);
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

// Written with libpng directly, as Qt's writer makes only some of these forms.
std::string writePng(const PngForm& form, bool interlaced) {
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) != 0) {
        ADD_FAILURE() << "libpng did not write colour type " << form.colourType;
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &bytes, appendBytes, nullptr);
    png_set_check_for_invalid_index(png, 0);
    png_set_IHDR(png, info, kWidth, kHeight, form.bitDepth, form.colourType,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    const int paletteSize = form.paletteEntries > 0 ? form.paletteEntries : indexCount(form);
    if (form.colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> palette;
        std::vector<png_byte> alphas;  // for the first half of the entries only; the rest are opaque
        for (int i = 0; i < paletteSize; ++i) {
            palette.push_back({png_byte(mixed(i, 0, 0)), png_byte(mixed(i, 0, 1)), png_byte(mixed(i, 0, 2))});
            if (i < (paletteSize + 1) / 2) alphas.push_back(png_byte(i == 0 ? 0 : mixed(i, 0, 3)));
        }
        png_set_PLTE(png, info, palette.data(), paletteSize);
        if (form.keyed) png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    } else if (form.keyed) {
        png_color_16 key{};
        key.gray = key.red = sampleAt(form, 0, 0, 0);
        key.green = sampleAt(form, 0, 0, 1);
        key.blue = sampleAt(form, 0, 0, 2);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    png_set_packing(png);  // samples below 8 bits are given a byte each
    const int channels = png_get_channels(png, info);
    const int sampleBytes = form.bitDepth == 16 ? 2 : 1;
    std::vector<png_byte> image(static_cast<std::size_t>(kWidth * kHeight * channels * sampleBytes));
    std::vector<png_bytep> rows;
    for (int y = 0; y < kHeight; ++y) {
        png_bytep row = image.data() + static_cast<std::size_t>(y * kWidth * channels * sampleBytes);
        rows.push_back(row);
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < channels; ++c) {
                const unsigned sample = sampleAt(form, x, y, c);
                if (sampleBytes == 2) *row++ = png_byte(sample >> 8);
                *row++ = png_byte(sample);
            }
        }
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return form.greyKey >= 0 ? withGreyKey(bytes, static_cast<png_uint_16>(form.greyKey)) : bytes;
}

// Qt's reader leaves 16-bit RGB with a tRNS colour partly unwritten; by bitmapFromImage's rules the
// colour shows as white and every other pixel keeps its samples' high bytes.
platform::Bitmap keyedSixteenBitRgb(const PngForm& form) {
    platform::Bitmap bitmap(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const auto high = [&](int c) { return std::uint8_t(sampleAt(form, x, y, c) >> 8); };
            const bool keyed = sampleAt(form, x, y, 0) == sampleAt(form, 0, 0, 0) &&
                               sampleAt(form, x, y, 1) == sampleAt(form, 0, 0, 1) &&
                               sampleAt(form, x, y, 2) == sampleAt(form, 0, 0, 2);
            if (!keyed) bitmap.set(x, y, {high(0), high(1), high(2)});
        }
    }
    return bitmap;
}

TEST(PngDecoder, EveryFormGivesExactlyWhatQtsReaderAndBitmapFromImageGive) {
    for (const PngForm& form : everyForm()) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << "colour type " << form.colourType << ", " << form.bitDepth << " bits"
                                            << (form.keyed ? ", tRNS" : "") << ", grey key " << form.greyKey
                                            << (interlaced ? ", interlaced" : ""));
            const std::string bytes = writePng(form, interlaced);
            const platform::DecodedPicture decoded = platform::decodePng(bytes);
            EXPECT_EQ(decoded.message, "");
            const bool qtReadsIt = !(form.colourType == PNG_COLOR_TYPE_RGB && form.bitDepth == 16 && form.keyed);
            EXPECT_EQ(differingPixels(decoded.bitmap, qtReadsIt ? decodedByQt(bytes) : keyedSixteenBitRgb(form)), 0);
        }
    }
}

TEST(PngDecoder, RefusesIndicesBeyondThePaletteAndPicturesCutShort) {
    const PngForm shortPalette{PNG_COLOR_TYPE_PALETTE, 4, false, -1, 3};
    EXPECT_EQ(platform::decodePng(writePng(shortPalette, false)).message, "the picture is damaged or incomplete");
    const std::string interlaced = writePng({PNG_COLOR_TYPE_RGB_ALPHA, 16}, true);
    const platform::DecodedPicture cut = platform::decodePng(interlaced.substr(0, interlaced.size() / 2));
    EXPECT_EQ(cut.problem, platform::PictureProblem::Damaged);
    EXPECT_TRUE(cut.bitmap.empty());
}

// A picture of `colours` colours, the last in a single pixel.
platform::Bitmap pictureOf(int colours) {
    platform::Bitmap bitmap(61, 43);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const int colour = (x / 3 + y * 61) % (colours - 1);
            bitmap.set(x, y, {std::uint8_t(colour), std::uint8_t(colour * 37), std::uint8_t(255 - colour)});
        }
    }
    bitmap.set(60, 42, {1, 2, 3});
    return bitmap;
}

TEST(PngEncoder, WrittenPicturesDecodeToTheirOwnPixelsWithPalettesUpTo256Colours) {
    constexpr std::size_t kColourType = 25;  // in the header, after the signature and the size
    for (const int colours : {2, 256, 257}) {
        const platform::Bitmap picture = pictureOf(colours);
        const std::optional<std::string> png = platform::encodePng(picture);
        ASSERT_TRUE(png) << colours;
        EXPECT_EQ((*png)[kColourType], colours <= 256 ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB) << colours;
        EXPECT_EQ(differingPixels(platform::decodePng(*png).bitmap, picture), 0) << colours;
    }
    EXPECT_FALSE(platform::encodePng(platform::Bitmap()));
}

}  // namespace
