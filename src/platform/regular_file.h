#pragma once

#include "platform/file_problem.h"

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

// The program's own text files (settings, colour tables, usage record) hold a few kilobytes; this
// leaves room for any table made by hand while a wrong file cannot fill the memory.
inline constexpr std::size_t kMostTextFileBytes = std::size_t{4} << 20;

struct FileBytes {
    std::string bytes;
    std::optional<FileProblem> problem;  // set when the file could not be read; bytes are then empty
};

// Reads a whole file, which must be a regular file (a link to one is followed) of at most `most`
// bytes. A folder, FIFO or device in its place is refused without waiting on it or reading it.
FileBytes readRegularFile(const std::string& path, std::size_t most);

// The first `count` bytes (fewer when the file is shorter) of such a file, to tell its format
// without reading it whole.
FileBytes readRegularFileStart(const std::string& path, std::size_t most, std::size_t count);

}  // namespace platform
