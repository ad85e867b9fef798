#include "platform/bmp_decoder.h"
#include "platform/qt_reference.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using platform::PictureProblem;

void put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

struct Form {
    int headerSize = 40;
    int bitsPerPixel = 24;
    std::uint32_t compression = 0;
    int colours = 0;  // palette entries, all declared
    std::array<std::uint32_t, 4> masks{};
};

// A BMP of the form, written as a program would: the masks in or after the header, then the palette.
std::string bmp(const Form& form, int width, int height, const std::string& pixels) {
    std::string header;
    put(header, form.headerSize, 4);
    const bool core = form.headerSize < 40;
    for (const int field : {width, height}) put(header, static_cast<std::uint32_t>(field), core ? 2 : 4);
    put(header, 1, 2);
    put(header, form.bitsPerPixel, 2);
    if (!core) {
        for (const std::uint32_t field : {form.compression, std::uint32_t(pixels.size()), 2835u, 2835u,
                                          std::uint32_t(form.colours), 0u}) {
            put(header, field, 4);
        }
        if (form.headerSize >= 108) for (const std::uint32_t mask : form.masks) put(header, mask, 4);
    }
    header.resize(static_cast<std::size_t>(form.headerSize), '\0');
    if (form.headerSize < 108 && form.compression == 3) for (int i = 0; i < 3; ++i) put(header, form.masks[i], 4);
    for (int i = 0; i < form.colours; ++i) {
        put(header, ((i * 31 + 200) & 0xFF) | ((i * 151 + 7) & 0xFF) << 8 | ((i * 73 + 11) & 0xFF) << 16,
            form.headerSize == 12 ? 3 : 4);
    }
    std::string file = "BM";
    put(file, static_cast<std::uint32_t>(14 + header.size() + pixels.size()), 4);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(14 + header.size()), 4);
    return file + header + pixels;
}

std::string noise(std::size_t size, std::uint32_t seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1664525 + 1013904223;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

std::size_t storedBytes(const Form& form, int width, int height) {
    return static_cast<std::size_t>((width * form.bitsPerPixel + 31) / 32 * 4 * std::abs(height));
}

void expectAsQtReadsIt(const std::string& bytes) {
    const platform::DecodedPicture picture = platform::decodeBmp(bytes);
    ASSERT_EQ(picture.message, "");
    EXPECT_EQ(differingPixels(picture.bitmap, decodedByQt(bytes)), 0);
}

void expectRefused(const std::string& bytes, PictureProblem problem = PictureProblem::Damaged) {
    const platform::DecodedPicture picture = platform::decodeBmp(bytes);
    EXPECT_NE(picture.message, "");
    EXPECT_EQ(picture.problem, problem);
}

TEST(BmpDecoder, EveryPlainFormMatchesQtsReader) {
    const std::vector<Form> forms = {
        {12, 1, 0, 2}, {12, 4, 0, 16}, {12, 8, 0, 256}, {12, 24}, {16, 8, 0, 256}, {40, 1, 0, 2}, {40, 1, 0, 1},
        {40, 4, 0, 5},  // indices past the palette
        {40, 8, 0, 256}, {64, 8, 0, 100}, {124, 4, 0, 16}, {40, 16}, {40, 16, 3, 0, {0xF800, 0x07E0, 0x001F}},
        {64, 16, 3, 0, {0x0F00, 0x00F0, 0x000F}}, {108, 16, 3, 0, {0x0F00, 0x00F0, 0x000F, 0xF000}},
        {40, 16, 3, 0, {0xFFC0, 0x0030, 0x000B}},  // a field wider than 8 bits, one with a gap
        {40, 16, 3, 0, {0xFF0000, 0xFF00, 0xFF}},  // red past the pixel's bits
        {40, 24}, {124, 24}, {40, 32}, {108, 32, 0, 0, {0, 0, 0, 0xFF000000}}, {108, 32, 0, 0, {0, 0, 0, 0xFF}},
        {40, 32, 3, 0, {0xFF, 0xFF00, 0xFF0000}}, {108, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF, 0xF0000000}},
        {124, 32, 3, 0, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}}};
    std::uint32_t seed = 1;
    for (const Form& form : forms) {
        for (const int width : {1, 5, 13}) {
            for (const int height : {3, -3}) {
                if (form.headerSize < 40 && height < 0) continue;
                SCOPED_TRACE(testing::Message() << "header " << form.headerSize << ", " << form.bitsPerPixel
                                                << " bits, compression " << form.compression << ", " << width
                                                << " x " << height);
                expectAsQtReadsIt(bmp(form, width, height, noise(storedBytes(form, width, height), ++seed)));
            }
        }
    }
}

TEST(BmpDecoder, RunLengthCodesMatchQtsReaderAlsoWhereTheyRunPastRowsAndPicture) {
    const Form eightBit{40, 8, 1, 200};
    const Form fourBit{40, 4, 2, 12};
    const std::vector<std::pair<Form, std::vector<int>>> streams = {
        // Runs, an odd literal with its padding, an index past the palette.
        {eightBit, {2, 1, 0, 3, 2, 3, 4, 99, 0, 0, 5, 250, 0, 0, 1, 6, 4, 7, 0, 0, 0, 1}},
        // A delta up and over, then a run from the top row that carries on into the rows below.
        {eightBit, {5, 1, 0, 2, 0, 1, 1, 2, 0, 0, 5, 3, 20, 4, 0, 1}},
        // A literal past the end of the bottom row is skipped unread: its bytes are a delta and a run.
        {eightBit, {7, 1, 0, 4, 0, 2, 0, 0, 1, 9, 0, 0, 5, 2, 0, 0, 5, 3, 0, 1}},
        // Literal indices that only partly fit before the end: the rest of them are read as codes. A delta
        // far out of the picture, and no end code.
        {eightBit, {3, 8, 0, 5, 0x41, 0x42, 1, 9, 0, 0, 5, 7, 0, 0, 5, 6, 0, 2, 255, 255, 1, 9}},
        {fourBit, {3, 0x12, 2, 0x34, 0, 0, 0, 5, 0x56, 0x78, 0x90, 0, 0, 0, 5, 0xAB, 0, 1}},
        {fourBit, {5, 0x1F, 0, 0, 2, 0x23, 0, 9, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0, 0, 0, 5, 0x34, 0, 1}},
        {fourBit, {6, 0x11, 0, 4, 0, 2, 0, 0, 1, 0x99, 0, 0, 5, 0x22, 0, 0, 5, 0x33, 0, 1}}};
    for (const auto& [form, codes] : streams) {
        SCOPED_TRACE(testing::Message() << form.bitsPerPixel << "-bit codes " << testing::PrintToString(codes));
        expectAsQtReadsIt(bmp(form, 5, 3, std::string(codes.begin(), codes.end())));
    }
}

TEST(BmpDecoder, PixelsNoCodeReachesTakeTheFirstPaletteColour) {
    // Only the bottom row's first pixel is coded; Qt leaves the rest as its memory happened to be.
    const platform::DecodedPicture picture = platform::decodeBmp(bmp({40, 8, 1, 3}, 4, 2, {1, 1, 0, 1}));
    ASSERT_EQ(picture.message, "");
    EXPECT_EQ(picture.bitmap.at(0, 1), (platform::Rgb{84, 158, 231}));
    EXPECT_EQ(picture.bitmap.at(1, 1), (platform::Rgb{11, 7, 200}));
    EXPECT_EQ(picture.bitmap.at(3, 0), (platform::Rgb{11, 7, 200}));
}

TEST(BmpDecoder, RefusesDamagedOversizedAndUnknownPictures) {
    const Form rgb{40, 24};
    const std::string whole = bmp(rgb, 5, 3, noise(48, 7));
    expectRefused(whole.substr(0, whole.size() - 1));
    expectRefused(whole.substr(0, 17));
    expectRefused(bmp({40, 8, 0, 256}, 4, 1, "").substr(0, 600));  // the palette ends early
    expectRefused(bmp({40, 8, 1, 2}, 4, 2, {4, 1, 0, 0, 4, 1, 2}));  // a run cut off, after the last row
    expectRefused(bmp({40, 8, 1, 2}, 4, 2, {4, 1, 0, 0, 0, 4, 1}));  // literal indices cut off
    expectRefused(bmp({40, 4, 2, 2}, 4, 2, {4, 0x11, 0, 0, 2, 0x11}));  // ends before the picture does
    expectRefused(bmp(rgb, 10000, 4001, ""), PictureProblem::TooManyPixels);
    expectRefused(bmp(rgb, 40000, -1001, ""), PictureProblem::TooManyPixels);
    expectRefused(bmp({12, 24}, 65535, 65535, ""), PictureProblem::TooManyPixels);

    // Forms Qt's reader refuses as well.
    const std::vector<std::pair<Form, std::pair<int, int>>> unknown = {
        {rgb, {0, 3}}, {rgb, {-5, 3}}, {rgb, {5, 0}}, {{12, 24}, {40000, 1}},  // 16-bit sizes count as signed
        {{40, 2, 0, 4}, {5, 3}}, {{40, 7}, {5, 3}}, {{40, 64}, {5, 3}}, {{40, 4, 1, 16}, {5, 3}},
        {{40, 24, 3}, {5, 3}}, {{40, 32, 6, 0, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}}, {5, 3}},
        {{52, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF}}, {5, 3}}, {{56, 24}, {5, 3}},
        {{40, 32, 3, 0, {0xFFFFFFFF, 0, 0}}, {5, 3}}, {{40, 8, 0, 257}, {5, 3}}};
    for (const auto& [form, size] : unknown) {
        const std::string bytes = bmp(form, size.first, size.second, noise(4096, 3));
        SCOPED_TRACE(testing::Message() << "header " << form.headerSize << ", " << form.bitsPerPixel << " bits, "
                                        << size.first << " x " << size.second);
        expectRefused(bytes);
        EXPECT_TRUE(QImage::fromData(QByteArray::fromStdString(bytes), "BMP").isNull());
    }
    expectRefused(bmp({40, 8, 1, 2}, 4, -2, {4, 1, 0, 0, 4, 1, 0, 1}));  // codes from the top
    std::string planes = whole;
    planes[26] = 2;
    expectRefused(planes);
}

}  // namespace
