#pragma once

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

// The lower-case column letters of the worksheet column after n columns (n from 0): "a" to "z",
// then "aa", "ab" … "az", "ba" …, as a cell address such as "b2" spells them.
std::string ColumnLetters(int n);

}  // namespace excel
