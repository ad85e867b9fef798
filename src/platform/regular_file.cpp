#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

FileBytes refused(FileProblem problem) {
    FileBytes result;
    result.problem = std::move(problem);
    return result;
}

FileBytes refused(const std::string& path, FileProblem::Kind kind, std::size_t most = 0) {
    FileProblem problem;
    problem.kind = kind;
    problem.path = path;
    problem.limit = most;
    return refused(std::move(problem));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileBytes readRegularFile(const std::string& path, std::size_t most) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return refused(systemProblem(path, errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return refused(systemProblem(path, errno));
    if (S_ISDIR(status.st_mode)) return refused(systemProblem(path, EISDIR));
    if (!S_ISREG(status.st_mode)) return refused(path, FileProblem::Kind::NotFile);
    if (static_cast<std::uint64_t>(status.st_size) > most) return refused(path, FileProblem::Kind::TooLarge, most);

    // The file may grow while it is read: one byte more than allowed tells that it did.
    FileBytes result;
    result.bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t filled = 0;
    while (filled < result.bytes.size()) {
        const ssize_t got = ::read(file.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return refused(systemProblem(path, errno));
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
        if (filled == result.bytes.size() && filled <= most) result.bytes.resize(std::min(most + 1, filled * 2));
    }
    if (filled > most) return refused(path, FileProblem::Kind::TooLarge, most);
    result.bytes.resize(filled);
    return result;
}

}  // namespace platform
