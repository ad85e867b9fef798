#include "platform/atomic_file.h"

#include "platform/descriptor_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before giving up with ELOOP.
constexpr int kMostLinks = 40;
// A short fixed pattern, so that the temporary's name fits wherever the target's own name does.
constexpr const char* kTemporaryPattern = "/.tessaly-XXXXXX";

FoundWriteTarget refused(FileProblem problem) { return FoundWriteTarget{std::move(problem), {}}; }

FoundWriteTarget refused(FileProblem::Kind kind, std::string path, std::string other = {}) {
    FileProblem problem;
    problem.kind = kind;
    problem.path = std::move(path);
    problem.other = std::move(other);
    return refused(std::move(problem));
}

// New files get what the user's umask leaves of read and write for everyone, as a shell's `>` does.
mode_t usualFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
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

// A sticky folder (such as /tmp) lets only the owner of a file, or of the folder, replace it.
bool stickyFolderForbids(const struct stat& file, const struct stat& folder) {
    if ((folder.st_mode & S_ISVTX) == 0) return false;
    const uid_t me = ::geteuid();
    return me != 0 && me != file.st_uid && me != folder.st_uid;
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

FoundWriteTarget findWriteTarget(const std::string& name) {
    fs::path path(name);
    struct stat status {};
    bool exists = false;
    for (int links = 0;; ++links) {
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT && errno != ENOTDIR) return refused(systemProblem(path.string(), errno));
            break;
        }
        exists = true;
        if (!S_ISLNK(status.st_mode)) break;
        if (links == kMostLinks) return refused(systemProblem(name, ELOOP));
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return refused(systemProblem(path.string(), error.value()));
        path = link.is_absolute() ? link : path.parent_path() / link;
        exists = false;
    }

    const std::string shown = path.string();
    using Kind = FileProblem::Kind;
    if (exists && S_ISDIR(status.st_mode)) return refused(Kind::Folder, shown);
    if (!path.has_filename()) return refused(Kind::EndsInSlash, shown);
    if (exists && (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        return FoundWriteTarget{std::nullopt, WriteTarget{WriteTarget::Kind::Stream, shown, 0, identityOf(path)}};
    }
    if (exists && !S_ISREG(status.st_mode)) return refused(Kind::NotFile, shown);
    // Renaming would replace a file nobody may write as readily as any other; its bits say it is to stay.
    if (exists && (status.st_mode & 0222) == 0) return refused(Kind::WriteProtected, shown);

    const std::string folder = folderOf(path);
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return refused(Kind::NoFolder, folder);
        return refused(systemProblem(folder, errno));
    }
    if (!S_ISDIR(folderStatus.st_mode)) return refused(Kind::NotAFolder, folder);
    if (exists && stickyFolderForbids(status, folderStatus)) return refused(Kind::OwnerOnly, folder, shown);
    const mode_t mode = exists ? status.st_mode & 07777 : usualFileMode();
    return FoundWriteTarget{std::nullopt, WriteTarget{WriteTarget::Kind::File, shown, mode, identityOf(path)}};
}

PendingFile::~PendingFile() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)) {
    other.temporary_.clear();
}

std::optional<FileProblem> PendingFile::write(std::string_view bytes) {
    std::string name = folderOf(target_.path) + kTemporaryPattern;
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return systemProblem(target_.path, errno);
    temporary_ = name;
    const bool written = ::fchmod(fd, target_.mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    // A full disk may show itself only when the file is closed.
    if (::close(fd) != 0 && written) return systemProblem(target_.path, errno);
    if (!written) return systemProblem(target_.path, error);
    return std::nullopt;
}

std::optional<FileProblem> PendingFile::commit() {
    if (std::rename(temporary_.c_str(), target_.path.c_str()) != 0) return systemProblem(target_.path, errno);
    temporary_.clear();
    syncFolder(folderOf(target_.path));
    return std::nullopt;
}

FoundWriteTarget findReplaceableFile(const std::string& name) {
    FoundWriteTarget found = findWriteTarget(name);
    if (!found.problem && found.target.kind != WriteTarget::Kind::File) {
        return refused(FileProblem::Kind::NotFile, found.target.path);
    }
    return found;
}

std::optional<FileProblem> replaceFileAtomically(const std::string& name, std::string_view bytes) {
    FoundWriteTarget found = findReplaceableFile(name);
    if (found.problem) return found.problem;
    PendingFile pending(std::move(found.target));
    if (auto problem = pending.write(bytes)) return problem;
    return pending.commit();
}

}  // namespace platform
