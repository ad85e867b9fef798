#include "platform/session_names.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace platform {

std::string computerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "(マシン名)";
    return name;
}

std::string logOnUserName() {
    // The account the program acts for decides whose record it keeps; the terminal's log-on name
    // is only asked when that account has no entry (a container's bare numeric user, say).
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr && found->pw_name[0] != '\0') {
        return found->pw_name;
    }
    const char* login = ::getlogin();
    if (login != nullptr && login[0] != '\0') return login;
    return "(ユーザ名)";
}

}  // namespace platform
