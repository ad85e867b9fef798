#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Why a file could not be read or written, kept apart from its wording: the window tells it in
// Japanese, the command line in its one English frame. `path` is the file (or, for the folder kinds,
// the folder) the problem is about.
struct FileProblem {
    enum class Kind {
        System,        // the system refused: `error` holds its errno
        Folder,        // a folder stands where a file is to be written (reading meets EISDIR)
        NotFile,       // a FIFO, device or socket stands where a file is wanted
        TooLarge,      // the file holds more than `limit` bytes
        NoFolder,      // the folder for a new file does not exist
        NotAFolder,    // what should be the folder of a file is no folder
        EndsInSlash,   // a file name that ends in '/'
        OwnerOnly,     // a sticky folder lets only the owner of `other` replace it
        WriteProtected,  // the file's permission bits let nobody write it
    };
    Kind kind = Kind::System;
    int error = 0;
    std::string path;
    std::string other;
    std::uint64_t limit = 0;
};

FileProblem systemProblem(const std::string& path, int error);

// ENOENT: nothing of that name, which for many files is no fault at all.
bool isMissing(const FileProblem& problem);

// The reason, for a frame that names the file read or written: "No space left on device", "not a
// regular file"; a reason about another name (the folder, or the file a link leads to) names it.
std::string englishReason(const FileProblem& problem);
// The same in the window's words: "ディスクに空きがありません", "「/data/x」はフォルダです".
std::string japaneseReason(const FileProblem& problem);

}  // namespace platform
