#include "palette/colour_table.h"

#include "platform/text_codec.h"

#include <algorithm>
#include <array>

namespace palette {
namespace {

constexpr std::size_t kFieldsRead = 10;

// Up to ten TAB-separated fields, each trimmed; once the rest of the line is empty every further
// field is empty, and text after the tenth field is ignored.
std::array<std::string_view, kFieldsRead> splitFields(std::string_view line) {
    std::array<std::string_view, kFieldsRead> fields{};
    std::string_view rest = line;
    for (std::size_t i = 0; i < kFieldsRead && !rest.empty(); ++i) {
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos) {
            fields[i] = platform::trimBlanks(rest);
            rest = {};
        } else {
            fields[i] = platform::trimBlanks(rest.substr(0, tab));
            rest = rest.substr(tab + 1);
        }
    }
    return fields;
}

std::int32_t numberOr(std::string_view field, std::int32_t fallback) {
    return platform::parseWholeNumber(field).value_or(fallback);
}

// A missing, unreadable or negative value falls back to the given one.
std::int32_t nonNegativeOr(std::string_view field, std::int32_t fallback) {
    const std::int32_t value = numberOr(field, fallback);
    return value < 0 ? fallback : value;
}

// Colours beyond a channel's range would bleed into the next channel of a colour value and overflow
// the distance, so they are held to 0..255.
std::int32_t channel(std::int32_t value) { return std::clamp(value, 0, 255); }

}  // namespace

ColourTable parseColourTable(std::string_view text) {
    ColourTable table;
    for (const std::string& line : platform::splitLines(text)) {
        const auto fields = splitFields(line);
        ColourEntry entry;
        entry.code = std::string(fields[0]);
        entry.name = std::string(fields[1]);
        entry.r = channel(numberOr(fields[2], 0));
        entry.g = channel(numberOr(fields[3], 0));
        entry.b = channel(numberOr(fields[4], 0));
        entry.sum = nonNegativeOr(fields[5], entry.r + entry.g + entry.b);
        entry.matchR = channel(nonNegativeOr(fields[6], entry.r));
        entry.matchG = channel(nonNegativeOr(fields[7], entry.g));
        entry.matchB = channel(nonNegativeOr(fields[8], entry.b));
        table.push_back(std::move(entry));
    }
    return table;
}

void clearSymbols(ColourTable& table) {
    for (ColourEntry& entry : table) entry.symbol.clear();
}

}  // namespace palette
