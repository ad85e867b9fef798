#pragma once

#include "platform/file_problem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A settings file in the familiar INI form, read with read-with-default semantics and, for the files
// the program keeps itself, written back.
//
// Reading: section and key names compare without regard to ASCII case; the first section of a name
// and the first key of a name within it win. A value is the text after the first '=', trimmed,
// losing one matching pair of outer double quotes. Lines starting with ';' are comments.
//
// Writing changes only the lines it owns and keeps every other line as it was read, byte for byte:
// unknown keys, comments, blank lines and their order. Changes stay in memory until save(), so a
// batch of writes costs one save.
class IniFile {
public:
    // An empty file, to be saved in the program's own form: CP932 with CR LF line ends.
    IniFile() = default;

    // Parses text that is already UTF-8.
    static IniFile parse(std::string_view text);
    // Decodes a file's bytes (see decodeTextFile), keeping its encoding and line ends for save().
    static IniFile fromBytes(std::string_view bytes);
    // Reads and decodes a file (see readRegularFile); nullopt when it cannot be read.
    static std::optional<IniFile> load(const std::string& path);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    // The fallback also stands for a value that is not a whole number.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // Sets a key: an existing key's line is rewritten in place; a new key goes after the last key of
    // its section; a new section is added at the end. The value reads back exactly as given (it is
    // quoted when trimming or unquoting would change it), except that line breaks become blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of the name: its header and all lines up to the next section.
    void eraseSection(std::string_view section);

    // Writes the file atomically (see replaceFileAtomically). A CP932 file that is given a character
    // CP932 cannot hold is saved as UTF-8 instead, which load() reads the same, rather than losing
    // the character. Returns what went wrong, nothing on success.
    std::optional<FileProblem> save(const std::string& path) const;

private:
    struct Line {
        std::string text;                 // UTF-8
        std::optional<std::string> cp932;  // the bytes as read, while the line is unchanged
    };
    struct Span {
        std::size_t header;
        std::size_t end;  // one past the section's last line
    };

    static IniFile fromLines(std::vector<std::string> texts, bool utf8);
    // The first `most` sections of the name, in file order.
    std::vector<Span> sectionsNamed(std::string_view name, std::size_t most = SIZE_MAX) const;
    std::optional<std::size_t> keyLine(const Span& span, std::string_view key) const;
    std::optional<std::string> encoded(bool utf8) const;

    std::vector<Line> lines_;
    bool utf8_ = false;
    bool byteOrderMark_ = false;
    std::string lineEnd_ = "\r\n";
    bool finalLineEnd_ = true;
};

}  // namespace platform
