#include "platform/text_codec.h"

#include <gtest/gtest.h>

using platform::decodeTextFile;
using platform::parseWholeNumber;
using platform::splitLines;
using platform::trimBlanks;

TEST(TextCodec, Utf8IsKeptAndAnythingElseIsDecodedAsCp932) {
    const std::pair<std::string, std::string> cases[] = {
        {"DMC(刺繍糸)", "DMC(刺繍糸)"},
        {"\xEF\xBB\xBF[code]", "[code]"},  // the byte-order mark goes
        {"", ""},
        // "アイコン" and "刺繍糸" as the Japanese Windows code page writes them.
        {"\x83\x41\x83\x43\x83\x52\x83\x93", "アイコン"},
        {"DMC(\x8E\x68\x8F\x4A\x8E\x85)", "DMC(刺繍糸)"},
        {"\xB1", "ｱ"},  // half-width katakana is a single byte
        // Undecodable bytes, and a lead byte cut off at the end, become replacement characters.
        {"a\x80z", "a\xEF\xBF\xBDz"},
        {"ab\x83", "ab\xEF\xBF\xBD"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(decodeTextFile(bytes), text) << bytes;
    // An overlong NUL and a surrogate are not UTF-8, so they are read as CP932 too.
    EXPECT_NE(decodeTextFile("\xC0\x80"), std::string("\xC0\x80"));
    EXPECT_NE(decodeTextFile("\xED\xA0\x80"), std::string("\xED\xA0\x80"));
}

TEST(TextCodec, LinesEndAtCrLfOrCrLf) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\n"), (std::vector<std::string>{""}));
}

TEST(TextCodec, TrimmingRemovesOnlyControlsAndBlank) {
    EXPECT_EQ(trimBlanks(" \t310\x01 "), "310");
    EXPECT_EQ(trimBlanks("\xE3\x80\x80x"), "\xE3\x80\x80x");  // the ideographic space stays
    EXPECT_EQ(trimBlanks("   "), "");
}

TEST(TextCodec, WholeNumbersAreSigned32BitDecimal) {
    EXPECT_EQ(parseWholeNumber("255"), 255);
    EXPECT_EQ(parseWholeNumber("-1"), -1);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "2147483648", "-2147483649", "12a", " 1", "0x10", "1.5", "１"}) {
        EXPECT_FALSE(parseWholeNumber(bad).has_value()) << bad;
    }
}
