#pragma once

#include "platform/picture_problem.h"

#include <string>

namespace platform {

struct PictureFile {
    std::string message;  // empty when the bytes were read, otherwise why not
    PictureProblem problem = PictureProblem::None;
    std::string bytes;
};

// Reads a picture file whole, once. Only a regular file (a symbolic link is followed) of at most
// kMaxPictureFileBytes is read: a pipe would wait forever, a device such as /dev/zero never ends, and
// a huge file would be held in memory only to be found not to be a picture.
PictureFile readPictureFile(const std::string& path);

// Whether a file dragged over the window is worth offering to drop: a regular file of at most
// kMaxPictureFileBytes that starts as a PNG, JPEG or BMP picture does. Only those first bytes are
// read, and nothing but a regular file is opened, so a pipe or a device never holds the window.
bool looksLikePictureFile(const std::string& path);

}  // namespace platform
