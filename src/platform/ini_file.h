#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A read-only settings file in the familiar INI form, read with read-with-default semantics.
// Section and key names compare without regard to ASCII case; the first section of a name and the
// first key of a name within it win. A value is the text after the first '=', trimmed, losing one
// matching pair of outer double quotes. Lines starting with ';' are comments.
class IniFile {
public:
    // Parses text that is already UTF-8.
    static IniFile parse(std::string_view text);
    // Reads and decodes a file (see decodeTextFile); nullopt when it cannot be read.
    static std::optional<IniFile> load(const std::string& path);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    // The fallback also stands for a value that is not a whole number.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* findSection(std::string_view name) const;

    std::vector<Section> sections_;
};

}  // namespace platform
