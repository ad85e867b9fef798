// Colour tables are text files that people edit by hand, in any encoding: the loader has to take
// any bytes at all.

#include "palette/colour_table.h"
#include "platform/text_codec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = platform::decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const palette::ColourTable table = palette::parseColourTable(text);

    // Every line becomes an entry, blank ones too, and the loader leaves no symbols behind.
    if (table.size() != platform::splitLines(text).size()) __builtin_trap();
    for (const palette::ColourEntry& entry : table) {
        if (!entry.symbol.empty()) __builtin_trap();
    }
    return 0;
}
