#include "platform/ini_file.h"

#include "platform/atomic_file.h"
#include "platform/regular_file.h"
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

// What a line is to the reader. Anything that is neither a section header nor a key line (blank
// lines, comments, stray text) belongs to nobody and is only ever carried along.
struct LineMeaning {
    enum Kind { kOther, kHeader, kKey } kind = kOther;
    std::string_view name;   // the section's or the key's
    std::string_view value;  // a key's
};

LineMeaning meaningOf(std::string_view raw) {
    const std::string_view line = trimBlanks(raw);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        return {LineMeaning::kHeader, trimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {LineMeaning::kKey, trimBlanks(line.substr(0, equals)), withoutOuterQuotes(trimBlanks(line.substr(equals + 1)))};
}

// The line end the file uses, judged by its first one; a file without any takes the program's CR LF.
std::string lineEndOf(std::string_view bytes) {
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (bytes[at] == '\n') return "\n";
    return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? "\r\n" : "\r";
}

bool hasNonAscii(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A value line that reads back as the very value written: a line break would end the line, and
// outer blanks or quotes would be taken off by the reader unless quoted.
std::string keyLineText(std::string_view key, std::string_view value) {
    std::string text(value);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (text != trimBlanks(text) || withoutOuterQuotes(text).size() != text.size()) text = '"' + text + '"';
    return std::string(key) + "=" + text;
}

}  // namespace

IniFile IniFile::fromLines(std::vector<std::string> texts, bool utf8) {
    IniFile ini;
    ini.utf8_ = utf8;
    for (std::string& text : texts) ini.lines_.push_back(Line{std::move(text), std::nullopt});
    return ini;
}

IniFile IniFile::parse(std::string_view text) { return fromLines(splitLines(text), hasNonAscii(text)); }

std::optional<IniFile> IniFile::load(const std::string& path) {
    const FileBytes file = readRegularFile(path, kMostTextFileBytes);
    if (file.problem) return std::nullopt;
    return fromBytes(file.bytes);
}

IniFile IniFile::fromBytes(std::string_view bytes) {
    IniFile ini;
    if (isUtf8Text(bytes)) {
        // Plain ASCII without a byte-order mark could be either; it stays in the program's own CP932.
        const std::string text = decodeTextFile(bytes);
        const bool byteOrderMark = text.size() != bytes.size();
        ini = fromLines(splitLines(text), byteOrderMark || hasNonAscii(text));
        ini.byteOrderMark_ = byteOrderMark;
    } else {
        // CR and LF never occur inside a CP932 character, so the bytes split into lines as they are.
        for (std::string& raw : splitLines(bytes)) {
            std::string text = decodeCp932(raw);
            ini.lines_.push_back(Line{std::move(text), std::move(raw)});
        }
    }
    ini.lineEnd_ = lineEndOf(bytes);
    ini.finalLineEnd_ = bytes.empty() || bytes.back() == '\r' || bytes.back() == '\n';
    return ini;
}

std::vector<IniFile::Span> IniFile::sectionsNamed(std::string_view name, std::size_t most) const {
    std::vector<Span> spans;
    bool inside = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning meaning = meaningOf(lines_[i].text);
        if (meaning.kind != LineMeaning::kHeader) continue;
        if (inside) spans.back().end = i;
        if (inside && spans.size() == most) break;
        inside = equalsIgnoringCase(meaning.name, name);
        if (inside) spans.push_back(Span{i, lines_.size()});
    }
    return spans;
}

std::optional<std::size_t> IniFile::keyLine(const Span& span, std::string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const LineMeaning meaning = meaningOf(lines_[i].text);
        if (meaning.kind == LineMeaning::kKey && equalsIgnoringCase(meaning.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    // A later section of a name already seen adds nothing: the first one wins.
    const std::vector<Span> spans = sectionsNamed(section, 1);
    if (spans.empty()) return std::nullopt;
    const auto line = keyLine(spans.front(), key);
    if (!line) return std::nullopt;
    return std::string(meaningOf(lines_[*line].text).value);
}

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    return parseWholeNumber(*text).value_or(fallback);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Span> spans = sectionsNamed(section, 1);
    if (spans.empty()) {
        lines_.push_back(Line{"[" + std::string(section) + "]", std::nullopt});
        lines_.push_back(Line{keyLineText(key, value), std::nullopt});
        return;
    }
    const Span& span = spans.front();
    if (const auto line = keyLine(span, key)) {
        // The key keeps the spelling the file gave it.
        lines_[*line] = Line{keyLineText(meaningOf(lines_[*line].text).name, value), std::nullopt};
        return;
    }
    std::size_t after = span.header;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (meaningOf(lines_[i].text).kind == LineMeaning::kKey) after = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), Line{keyLineText(key, value), std::nullopt});
}

void IniFile::eraseSection(std::string_view section) {
    // Every section of the name goes, or a later one would come to light in the place of the first.
    const std::vector<Span> spans = sectionsNamed(section);
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header), lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    }
}

std::optional<std::string> IniFile::encoded(bool utf8) const {
    std::string bytes = utf8 && byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) bytes += lineEnd_;
        if (utf8) {
            bytes += lines_[i].text;
        } else if (lines_[i].cp932) {
            bytes += *lines_[i].cp932;
        } else {
            const auto line = encodeCp932(lines_[i].text);
            if (!line) return std::nullopt;
            bytes += *line;
        }
    }
    if (finalLineEnd_ && !lines_.empty()) bytes += lineEnd_;
    return bytes;
}

std::optional<FileProblem> IniFile::save(const std::string& path) const {
    auto bytes = encoded(utf8_);
    if (!bytes) bytes = encoded(true);
    return replaceFileAtomically(path, *bytes);
}

}  // namespace platform
