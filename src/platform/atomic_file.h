#pragma once

#include "platform/file_problem.h"

#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace platform {

// Where a file the program writes goes, found out before anything is written, so that a name no file
// can take is refused while the old file is still as it was.
struct WriteTarget {
    enum class Kind {
        File,    // a regular file, or none yet: replaced whole by renaming a finished temporary onto it
        Stream,  // a character device or a FIFO: renaming onto it would put a plain file in its place
    };
    Kind kind = Kind::File;
    std::string path;      // symbolic links followed, so that a link stays a link and its target is written
    mode_t mode = 0;       // the permission bits the file is to have: its own, or those of a new file
    std::string identity;  // the same for two names of one file (`x`, `./x`, a link to x)
};

struct FoundWriteTarget {
    std::optional<FileProblem> problem;
    WriteTarget target;
};

// Refuses a folder, a socket, a file whose permission bits let nobody write it, a missing folder and
// a sticky folder that keeps the file to its owner.
FoundWriteTarget findWriteTarget(const std::string& name);

// The new contents of one file target, waiting beside it in a temporary of the same folder until
// commit() renames it into place. A temporary that is never committed is removed.
class PendingFile {
public:
    explicit PendingFile(WriteTarget target) : target_(std::move(target)) {}
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&&) = delete;

    // Writes the bytes to a fresh temporary with the target's permission bits and has them reach the disk.
    std::optional<FileProblem> write(std::string_view bytes);
    // Puts the written temporary in the target's place, so that a reader, or the file after a crash
    // or power loss, sees either the old contents or the new, never a mix.
    std::optional<FileProblem> commit();

private:
    WriteTarget target_;
    std::string temporary_;
};

// As findWriteTarget, for a file that is to be replaced whole: a device or FIFO is refused as well.
FoundWriteTarget findReplaceableFile(const std::string& name);

// Replaces one file's contents as above: every file the program writes goes this way. The file keeps
// its permission bits, and a link keeps pointing at the file it names; a new file gets the usual bits
// (0666 less the umask). A device or FIFO is refused: only a file can be replaced whole.
std::optional<FileProblem> replaceFileAtomically(const std::string& name, std::string_view bytes);

}  // namespace platform
