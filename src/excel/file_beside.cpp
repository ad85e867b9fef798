#include "excel/file_beside.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace excel {

std::string writeThroughFileBeside(const std::string& target,
                                   const std::function<std::string(const std::string& temporary)>& write) {
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // A short name of its own, so that a target whose name is as long as a name may be still works.
    std::string pattern = (folder / ".tessaly-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return "cannot write " + target + ": " + std::strerror(errno);
    // A workbook is an ordinary document: it gets the permissions a new file gets, not the
    // temporary's private ones.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    ::close(fd);
    const std::string temporary(name.data());

    std::string message = write(temporary);
    if (message.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) {
        message = "cannot write " + target + ": " + std::strerror(errno);
    }
    if (!message.empty()) std::remove(temporary.c_str());
    return message;
}

}  // namespace excel
