#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace palette {

// One thread colour of a colour-code system. R, G, B is the colour shown; the match colour is the
// one the colour distance compares (the same unless the table gives another).
struct ColourEntry {
    std::string code;
    std::string name;
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
    std::int32_t sum = 0;
    std::int32_t matchR = 0;
    std::int32_t matchG = 0;
    std::int32_t matchB = 0;
    std::string symbol;  // written when the colours in use are counted
};

// Ordered by descending sum, as the file gives it: the nearest-code search relies on that order.
using ColourTable = std::vector<ColourEntry>;

// Parses a colour table text (already UTF-8), one entry per line, TAB-separated fields.
ColourTable parseColourTable(std::string_view text);

void clearSymbols(ColourTable& table);

}  // namespace palette
