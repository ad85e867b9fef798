#pragma once

#include "platform/bitmap.h"

#include <optional>
#include <string>

namespace platform {

// PNG file contents of a picture; nullopt when it cannot be encoded (too large to allocate, say).
std::optional<std::string> encodePng(const Bitmap& bitmap);

}  // namespace platform
