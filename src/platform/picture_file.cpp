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

PictureFile failure(std::string message) { return platform::failure<PictureFile>(std::move(message)); }

}  // namespace

PictureFile readPictureFile(const std::string& path) {
    // O_NONBLOCK keeps the open of a pipe without a writer from waiting; what was opened is then
    // checked through the descriptor itself, so nothing can be swapped in between check and read.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return failure(std::string("cannot open the file: ") + std::strerror(errno));
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) return failure(std::string("cannot read the file: ") + std::strerror(errno));
    if (S_ISDIR(status.st_mode)) return failure("this is a folder, not a picture file");
    if (!S_ISREG(status.st_mode)) return failure("this is not a regular file (a pipe or a device, say)");
    if (status.st_size > kMaxPictureFileBytes) {
        return failure("the file is too large for a picture (" + std::to_string(status.st_size) +
                       " bytes; at most " + std::to_string(kMaxPictureFileBytes) + ")");
    }

    PictureFile file;
    file.bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < file.bytes.size()) {
        const ssize_t got = ::read(fd.get(), file.bytes.data() + filled, file.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failure(std::string("cannot read the file: ") + std::strerror(errno));
        if (got == 0) break;  // shortened while being read: the decoder finds the picture incomplete
        filled += static_cast<std::size_t>(got);
    }
    file.bytes.resize(filled);
    return file;
}

}  // namespace platform
