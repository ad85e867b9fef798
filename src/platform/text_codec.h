#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's own text files (settings, colour tables, usage record) are written in the
// Japanese code page CP932, but people edit them in today's editors too. Everything inside the
// program is UTF-8; these helpers are the only place where the two meet.
namespace platform {

// A file that is valid UTF-8 (a byte-order mark allowed, and dropped) is taken as UTF-8; any other
// is decoded as CP932, each undecodable byte becoming U+FFFD.
std::string decodeTextFile(std::string_view bytes);

// Whether decodeTextFile takes these bytes as UTF-8.
bool isUtf8Text(std::string_view bytes);

// Decodes CP932, each undecodable byte becoming U+FFFD.
std::string decodeCp932(std::string_view bytes);

// Encodes UTF-8 text as CP932; nullopt when the text holds a character CP932 has no code for.
std::optional<std::string> encodeCp932(std::string_view utf8);

// Lines end at CR, LF or CR LF. A final line break does not start another line, so an empty text
// has no lines and "a\n" has one.
std::vector<std::string> splitLines(std::string_view text);

// Removes the characters at or below the blank (controls and space) from both ends; other blanks,
// such as the ideographic space, belong to the text.
std::string_view trimBlanks(std::string_view text);

// A signed 32-bit decimal whole number with an optional sign and nothing else; anything else,
// including an empty text or a value out of range, is not a number.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

// A decimal real number such as "0.91", "-1" or " 2.50 ", blanks around it allowed; anything else,
// including an empty text, is not a number.
std::optional<double> parseRealNumber(std::string_view text);

bool fileExists(const std::string& path);

}  // namespace platform
