#include "companion/record_location.h"

#include "platform/text_codec.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace companion {

std::string recordAppName(std::string_view programFileName) {
    return std::string(programFileName.substr(0, programFileName.find('.')));
}

std::string userConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is to be ignored.
    if (configHome != nullptr && configHome[0] == '/') return std::string(configHome) + "/Tessaly";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* entry = ::getpwuid(::geteuid());
        home = entry != nullptr ? entry->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] == '\0') return {};
    return std::string(home) + "/.config/Tessaly";
}

std::string chooseRecordFolder(const std::string& cfgFolder, const std::string& userFolder, const std::string& appName) {
    if (userFolder.empty()) return cfgFolder;
    if (platform::fileExists(userFolder + "/" + appName + "_oha.ini")) return userFolder;
    std::error_code error;
    const bool cfgWritable = std::filesystem::is_directory(cfgFolder, error) && ::access(cfgFolder.c_str(), W_OK) == 0;
    return cfgWritable ? cfgFolder : userFolder;
}

}  // namespace companion
