#include "cli/error_line.h"

#include <ostream>
#include <string>

namespace cli {

void printError(std::ostream& errors, std::string_view message) {
    std::string line = "tessaly-cli: ";
    for (char c : message) line += c == '\n' || c == '\r' ? ' ' : c;
    errors << line << '\n' << std::flush;
}

}  // namespace cli
