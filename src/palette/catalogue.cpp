#include "palette/catalogue.h"

#include "platform/text_codec.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace palette {
namespace {

SettingsFileResult unreadable(const std::string& why) {
    SettingsFileResult result;
    result.message = std::string("cannot read ") + kSettingsFileName + ": " + why;
    return result;
}

}  // namespace

SettingsFileResult loadSettingsFile(const std::string& cfgDir) {
    const std::string path = cfgDir + "/" + kSettingsFileName;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    // Only a file that is not there is missing; one that is there but unusable (a folder of that
    // name, no permission) would send the user looking for the wrong fault.
    if (status.type() == std::filesystem::file_type::not_found) {
        SettingsFileResult missing;
        missing.message = "Tessaly.iniなし";
        return missing;
    }
    if (error) return unreadable(error.message());
    if (std::filesystem::is_directory(status)) return unreadable(std::generic_category().message(EISDIR));
    if (!std::filesystem::is_regular_file(status)) return unreadable("not a regular file");

    errno = 0;
    const auto bytes = platform::readFileBytes(path);
    if (!bytes) return unreadable(std::generic_category().message(errno != 0 ? errno : EIO));
    SettingsFileResult result;
    result.ini = platform::IniFile::parse(platform::decodeTextFile(*bytes));
    return result;
}

LoadResult loadCodeSystem(const std::string& cfgDir, const std::string& systemName) {
    const SettingsFileResult settings = loadSettingsFile(cfgDir);
    if (!settings.message.empty()) {
        LoadResult failed;
        failed.message = settings.message;
        return failed;
    }
    return loadCodeSystem(cfgDir, settings.ini, systemName);
}

LoadResult loadCodeSystem(const std::string& cfgDir, const platform::IniFile& settings, const std::string& systemName) {
    LoadResult result;
    result.system.name = systemName;
    result.system.settings = readCodeSystemSettings(settings, systemName);

    const std::string tablePath = cfgDir + "/" + result.system.settings.tableFile;
    const auto bytes = result.system.settings.tableFile.empty() || !platform::fileExists(tablePath)
                           ? std::nullopt
                           : platform::readFileBytes(tablePath);
    if (!bytes) {
        result.message = "カラーコードファイルなし";
        return result;
    }
    result.system.table = parseColourTable(platform::decodeTextFile(*bytes));
    return result;
}

}  // namespace palette
