#pragma once

#include <iosfwd>
#include <string_view>

namespace cli {

// Reports a problem as one line starting with the program's name. Line breaks inside the message
// (from a file name, say) become blanks, so that the report stays one line.
void printError(std::ostream& errors, std::string_view message);

}  // namespace cli
