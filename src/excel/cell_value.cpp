#include "excel/cell_value.h"

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

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<double> numberIn(const Variant& value) {
    if (const double* stored = std::get_if<double>(&value)) return *stored;
    const std::string digits = trimmed(textForm(value));
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

}  // namespace excel
