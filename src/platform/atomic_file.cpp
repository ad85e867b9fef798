#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string failed(const std::string& path, const char* step, int error) {
    return "cannot save " + path + " (" + step + ": " + std::strerror(error) + ")";
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a crash; a folder that cannot be synced changes nothing for the
// reader, so failing here is not failing the save.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string replaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : modeForNewFile();

    std::string temporary = folder + "/." + target.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return failed(path, "create", errno);
    std::string message;
    if (::fchmod(fd, mode) != 0) {
        message = failed(path, "chmod", errno);
    } else if (!writeAll(fd, bytes)) {
        message = failed(path, "write", errno);
    } else if (::fsync(fd) != 0) {
        message = failed(path, "sync", errno);
    }
    if (::close(fd) != 0 && message.empty()) message = failed(path, "close", errno);
    if (message.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) message = failed(path, "rename", errno);
    if (!message.empty()) {
        ::unlink(temporary.c_str());
        return message;
    }
    syncFolder(folder);
    return {};
}

}  // namespace platform
