#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A field as spreadsheets read it: quoted when it holds a comma, a double quote or a line break,
// with the quotes inside doubled.
std::string csvField(std::string_view text);

// The fields joined by commas, ended by LF.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace cli
