#include "platform/picture_file.h"

#include "platform/failure.h"
#include "platform/picture_decoder.h"
#include "platform/regular_file.h"

#include <cerrno>

namespace platform {
namespace {

// The command line's words for a file that is no picture file to read.
std::string englishPictureFileReason(const FileProblem& problem) {
    if (problem.kind == FileProblem::Kind::NotFile) return "this is not a regular file (a pipe or a device, say)";
    if (problem.kind == FileProblem::Kind::TooLarge) {
        return "the file is too large for a picture (at most " + std::to_string(problem.limit) + " bytes)";
    }
    if (problem.error == EISDIR) return "this is a folder, not a picture file";
    return "cannot read the file: " + englishReason(problem);
}

PictureProblem pictureProblemOf(const FileProblem& problem) {
    switch (problem.kind) {
    case FileProblem::Kind::NotFile: return PictureProblem::NotRegularFile;
    case FileProblem::Kind::TooLarge: return PictureProblem::FileTooLarge;
    default: break;
    }
    switch (problem.error) {
    case EISDIR: return PictureProblem::Folder;
    case ENOENT:
    case ENOTDIR: return PictureProblem::FileMissing;
    case EACCES:
    case EPERM: return PictureProblem::FileForbidden;
    default: return PictureProblem::FileUnreadable;
    }
}

}  // namespace

PictureFile readPictureFile(const std::string& path) {
    FileBytes read = readRegularFile(path, kMaxPictureFileBytes);
    if (read.problem) {
        PictureFile file = failure<PictureFile>(englishPictureFileReason(*read.problem));
        file.problem = pictureProblemOf(*read.problem);
        return file;
    }
    PictureFile file;
    file.bytes = std::move(read.bytes);
    return file;
}

bool looksLikePictureFile(const std::string& path) {
    const FileBytes start = readRegularFileStart(path, kMaxPictureFileBytes, kPictureSignatureBytes);
    return !start.problem && hasPictureSignature(start.bytes);
}

}  // namespace platform
