#include "cli/output_target.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before giving up with ELOOP.
constexpr int kMostLinks = 40;

// New files get what the user's umask leaves of read and write for everyone, as a shell's `>` does.
mode_t usualFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const fs::path& path) {
    const fs::path folder = path.parent_path();
    return folder.empty() ? "." : folder.string();
}

std::string identityOf(const fs::path& path) {
    // Made absolute first: a relative name of a file not yet there would otherwise stay relative.
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error).lexically_normal();
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return error ? absolute.string() : canonical.string();
}

FoundTarget refuse(const std::string& name, const std::string& why) {
    return FoundTarget{"cannot write " + name + ": " + why, {}};
}

// A sticky folder (such as /tmp) lets only the owner of a file, or of the folder, replace it.
bool stickyFolderForbids(const struct stat& file, const std::string& folder) {
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0 || (folderStatus.st_mode & S_ISVTX) == 0) return false;
    const uid_t me = ::geteuid();
    return me != 0 && me != file.st_uid && me != folderStatus.st_uid;
}

}  // namespace

FoundTarget findOutputTarget(const std::string& name) {
    if (name == "-") return FoundTarget{{}, OutputTarget{OutputTarget::Kind::StandardOutput, name, 0, name}};

    fs::path path(name);
    struct stat status {};
    bool exists = false;
    for (int links = 0;; ++links) {
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT && errno != ENOTDIR) return refuse(name, std::strerror(errno));
            break;
        }
        exists = true;
        if (!S_ISLNK(status.st_mode)) break;
        if (links == kMostLinks) return refuse(name, std::strerror(ELOOP));
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return refuse(name, error.message());
        path = link.is_absolute() ? link : path.parent_path() / link;
        exists = false;
    }

    const std::string shown = path.string();
    if (exists && S_ISDIR(status.st_mode)) return refuse(name, shown + " is a folder");
    if (!path.has_filename()) return refuse(name, "a file name cannot end in /");
    if (exists && (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        return FoundTarget{{}, OutputTarget{OutputTarget::Kind::Stream, shown, 0, identityOf(path)}};
    }
    if (exists && !S_ISREG(status.st_mode)) return refuse(name, shown + " is not a file, character device or FIFO");

    const std::string folder = folderOf(path);
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return refuse(name, "there is no folder " + folder);
        return refuse(name, folder + ": " + std::strerror(errno));
    }
    if (!S_ISDIR(folderStatus.st_mode)) return refuse(name, folder + " is not a folder");
    if (exists && stickyFolderForbids(status, folder)) {
        return refuse(name, folder + " lets only the owner of " + shown + " replace it");
    }
    const mode_t mode = exists ? status.st_mode & 07777 : usualFileMode();
    return FoundTarget{{}, OutputTarget{OutputTarget::Kind::File, shown, mode, identityOf(path)}};
}

}  // namespace cli
