#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace platform {

std::string programFile(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = std::filesystem::absolute(argv0 ? argv0 : "", error);
    return program.string();
}

std::string shippedConfigFolder(const std::string& programFile) {
    const std::filesystem::path folder = std::filesystem::path(programFile).parent_path();
    const std::filesystem::path beside = folder / "cfg";
    const std::filesystem::path installed = folder.parent_path() / "share" / "tessaly" / "cfg";
    std::error_code error;
    if (!std::filesystem::is_directory(beside, error) && std::filesystem::is_directory(installed, error)) {
        return installed.string();
    }
    return beside.string();
}

std::string helperProgram(const std::string& programFile, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(programFile).parent_path();
    for (const std::filesystem::path& candidate : {folder / name, folder.parent_path() / "libexec" / "tessaly" / name}) {
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) return candidate.string();
    }
    return {};
}

}  // namespace platform
