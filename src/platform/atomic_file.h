#pragma once

#include <string>
#include <string_view>

namespace platform {

// Replaces a file's contents so that a reader, or the file after a crash or power loss, sees either
// the old contents or the new, never a mix: the bytes go to a temporary file in the same folder,
// reach the disk, and the temporary then takes the file's name. The file keeps its permission bits;
// a new file gets the usual ones (0666 less the umask). Returns an empty text on success, otherwise
// what went wrong; the old file is then left as it was.
std::string replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform
