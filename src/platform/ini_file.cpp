#include "platform/ini_file.h"

#include "platform/text_codec.h"

#include <algorithm>

namespace platform {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view withoutOuterQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    Section* current = nullptr;
    bool currentIsRepeat = false;
    for (const std::string& raw : splitLines(text)) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = trimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            // A later section of a name already seen adds nothing: the first one wins.
            currentIsRepeat = ini.findSection(name) != nullptr;
            if (!currentIsRepeat) {
                ini.sections_.push_back(Section{std::string(name), {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        if (current == nullptr || currentIsRepeat) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = trimBlanks(line.substr(0, equals));
        const bool known = std::any_of(current->entries.begin(), current->entries.end(),
                                       [&](const Entry& e) { return equalsIgnoringCase(e.key, key); });
        if (!known) {
            current->entries.push_back(Entry{std::string(key), std::string(withoutOuterQuotes(trimBlanks(line.substr(equals + 1))))});
        }
    }
    return ini;
}

std::optional<IniFile> IniFile::load(const std::string& path) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return parse(decodeTextFile(*bytes));
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    for (const Section& section : sections_) {
        if (equalsIgnoringCase(section.name, name)) return &section;
    }
    return nullptr;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::nullopt;
    for (const Entry& entry : found->entries) {
        if (equalsIgnoringCase(entry.key, key)) return entry.value;
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    return parseWholeNumber(*text).value_or(fallback);
}

}  // namespace platform
