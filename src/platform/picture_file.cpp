#include "platform/picture_file.h"

#include "platform/failure.h"
#include "platform/picture_decoder.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

PictureFile failure(std::string message, PictureProblem problem) {
    PictureFile file = platform::failure<PictureFile>(std::move(message));
    file.problem = problem;
    return file;
}

PictureFile systemFailure(const char* doing, int error) {
    const PictureProblem problem = error == ENOENT || error == ENOTDIR ? PictureProblem::FileMissing
                                   : error == EACCES || error == EPERM ? PictureProblem::FileForbidden
                                                                       : PictureProblem::FileUnreadable;
    return failure(std::string(doing) + ": " + std::strerror(error), problem);
}

// What stat says of a path, before anything is opened: opening a device can already act on it.
PictureFile checkKind(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) return failure("this is a folder, not a picture file", PictureProblem::Folder);
    if (!S_ISREG(status.st_mode)) {
        return failure("this is not a regular file (a pipe or a device, say)", PictureProblem::NotRegularFile);
    }
    if (status.st_size > kMaxPictureFileBytes) {
        return failure("the file is too large for a picture (" + std::to_string(status.st_size) + " bytes; at most " +
                           std::to_string(kMaxPictureFileBytes) + ")",
                       PictureProblem::FileTooLarge);
    }
    return {};
}

}  // namespace

PictureFile readPictureFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return systemFailure("cannot open the file", errno);
    if (PictureFile refused = checkKind(status); !refused.message.empty()) return refused;
    // O_NONBLOCK keeps the open of a pipe put in the file's place meanwhile from waiting; what was
    // opened is checked again through the descriptor itself, so nothing can be swapped in between
    // check and read.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return systemFailure("cannot open the file", errno);
    if (::fstat(fd.get(), &status) != 0) return systemFailure("cannot read the file", errno);
    if (PictureFile refused = checkKind(status); !refused.message.empty()) return refused;

    PictureFile file;
    file.bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < file.bytes.size()) {
        const ssize_t got = ::read(fd.get(), file.bytes.data() + filled, file.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return systemFailure("cannot read the file", errno);
        if (got == 0) break;  // shortened while being read: the decoder finds the picture incomplete
        filled += static_cast<std::size_t>(got);
    }
    file.bytes.resize(filled);
    return file;
}

bool looksLikePictureFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !checkKind(status).message.empty()) return false;
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !checkKind(status).message.empty()) return false;
    char first[kPictureSignatureBytes] = {};
    ssize_t got = -1;
    do {
        got = ::read(fd.get(), first, sizeof first);
    } while (got < 0 && errno == EINTR);
    return got > 0 && hasPictureSignature(std::string_view(first, static_cast<std::size_t>(got)));
}

}  // namespace platform
