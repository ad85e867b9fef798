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

// Why what stat saw is no file to read; nothing when it is one.
std::optional<FileProblem> kindProblem(const std::string& path, const struct stat& status, std::size_t most) {
    if (S_ISDIR(status.st_mode)) return systemProblem(path, EISDIR);
    if (!S_ISREG(status.st_mode)) return refused(path, FileProblem::Kind::NotFile).problem;
    if (static_cast<std::uint64_t>(status.st_size) > most) return refused(path, FileProblem::Kind::TooLarge, most).problem;
    return std::nullopt;
}

// Reads at most `wanted` bytes of a regular file of at most `most` bytes. The path is looked at
// before it is opened, since opening a device can already act on it; what was opened is looked at
// again through the descriptor, so nothing swapped in between is read.
FileBytes readChecked(const std::string& path, std::size_t most, std::size_t wanted) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return refused(systemProblem(path, errno));
    if (auto problem = kindProblem(path, status, most)) return refused(std::move(*problem));
    // Without O_NONBLOCK, opening a FIFO put in the file's place meanwhile would wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return refused(systemProblem(path, errno));
    if (::fstat(file.get(), &status) != 0) return refused(systemProblem(path, errno));
    if (auto problem = kindProblem(path, status, most)) return refused(std::move(*problem));

    // The file may grow while it is read: one byte more than allowed tells that it did.
    const std::size_t limit = std::min(wanted, most + 1);
    FileBytes result;
    result.bytes.resize(std::min(limit, static_cast<std::size_t>(status.st_size) + 1));
    std::size_t filled = 0;
    while (filled < result.bytes.size()) {
        const ssize_t got = ::read(file.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return refused(systemProblem(path, errno));
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
        if (filled == result.bytes.size() && filled < limit) result.bytes.resize(std::min(limit, filled * 2));
    }
    if (filled > most) return refused(path, FileProblem::Kind::TooLarge, most);
    result.bytes.resize(filled);
    return result;
}

}  // namespace

FileBytes readRegularFile(const std::string& path, std::size_t most) {
    return readChecked(path, most, most + 1);
}

FileBytes readRegularFileStart(const std::string& path, std::size_t most, std::size_t count) {
    return readChecked(path, most, std::min(count, most));
}

}  // namespace platform
