#pragma once

#include <string_view>

namespace platform {

// Writes every byte to the open descriptor, going on after interrupted and partial writes; false
// with errno set when the system refuses (a full disk, a closed pipe).
bool writeAll(int fd, std::string_view bytes);

}  // namespace platform
