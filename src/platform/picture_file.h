#pragma once

#include <string>

namespace platform {

struct PictureFile {
    std::string message;  // empty when the bytes were read, otherwise why not
    std::string bytes;
};

// Reads a picture file whole, once. Only a regular file (a symbolic link is followed) of at most
// kMaxPictureFileBytes is read: a pipe would wait forever, a device such as /dev/zero never ends, and
// a huge file would be held in memory only to be found not to be a picture.
PictureFile readPictureFile(const std::string& path);

}  // namespace platform
