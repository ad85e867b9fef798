#pragma once

#include <string>

#include <sys/types.h>

namespace cli {

// Where one output goes, found out before anything is written, so that a name no output can take
// is refused while every old file is still as it was.
struct OutputTarget {
    enum class Kind {
        StandardOutput,  // the name `-`
        File,            // a regular file, replaced whole by renaming a finished temporary onto it
        Stream,          // a character device or a FIFO, written in place: renaming onto it would
                         // put a plain file where the device or pipe was
    };
    Kind kind = Kind::File;
    std::string path;   // symbolic links followed, so that a link stays a link and its target is written
    mode_t mode = 0;    // the permission bits the file is to have
    std::string identity;  // the same for two names of one file (`x`, `./x`, a link to x)
};

struct FoundTarget {
    std::string message;  // empty when the name can take an output
    OutputTarget target;
};

FoundTarget findOutputTarget(const std::string& name);

}  // namespace cli
