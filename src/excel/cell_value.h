#pragma once

#include <optional>
#include <string>
#include <variant>

namespace excel {

// A value as a worksheet cell holds it: nothing, a number or a text.
using Variant = std::variant<std::monostate, double, std::string>;

inline bool isEmpty(const Variant& value) { return std::holds_alternative<std::monostate>(value); }

// How a spreadsheet shows the value as text: numbers in their shortest decimal form (12, 12.5),
// texts as they are, an empty cell as nothing.
std::string textForm(const Variant& value);

// The value read as a decimal whole number through its text form; the fallback when that is no
// whole number: an empty cell, a word, a number with a fraction, or one beyond 32 bits.
int VariantToIntDef(const Variant& value, int fallback);

// The text without the blanks around it.
std::string trimmed(const std::string& text);

// A number as a cell may hold it: stored as a number, or as a text that reads as one once blanks
// are trimmed, as a person typing into a spreadsheet may leave it. Nothing for a text that is none.
std::optional<double> numberIn(const Variant& value);

}  // namespace excel
