#include "excel/cell_value.h"

#include <cassert>
#include <charconv>

namespace excel {

std::string textForm(const Variant& value) {
    if (const double* number = std::get_if<double>(&value)) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, *number).ptr;
        return std::string(digits, end);
    }
    if (const std::string* text = std::get_if<std::string>(&value)) return *text;
    return {};
}

int VariantToIntDef(const Variant& value, int fallback) {
    const std::string text = textForm(value);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return text.empty() || error != std::errc() || end != text.data() + text.size() ? fallback : number;
}

std::string ColumnLetters(int n) {
    assert(n >= 0);
    // Columns count in base 26 without a zero: after "z" comes "aa", not "ba".
    std::string letters;
    for (int rest = n + 1; rest > 0; rest = (rest - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('a' + (rest - 1) % 26));
    }
    return letters;
}

}  // namespace excel
