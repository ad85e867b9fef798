#pragma once

// How the command line words its messages: the frame is English ("cannot write ...", "unknown
// option: ..."), while the texts the program itself shows its users keep their own Japanese words
// ("減色できませんでした", "Tessaly.iniなし", "カラーコードファイルなし"), so that they read as the
// window will show them; what the frame adds (a folder, a file, a system's name) follows them in
// brackets.

#include <iosfwd>
#include <string_view>

namespace cli {

// Reports a problem as one line starting with the program's name. Line breaks inside the message
// (from a file name, say) become blanks, so that the report stays one line.
void printError(std::ostream& errors, std::string_view message);

}  // namespace cli
