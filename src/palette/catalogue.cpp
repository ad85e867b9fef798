#include "palette/catalogue.h"

#include "platform/failure.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace palette {
namespace {

LoadResult failure(std::string message) { return platform::failure<LoadResult>(std::move(message)); }

SettingsFileResult unreadable(const std::string& why) {
    return platform::failure<SettingsFileResult>(std::string("cannot read ") + kSettingsFileName + ": " + why);
}

}  // namespace

SettingsFileResult loadSettingsFile(const std::string& cfgDir) {
    const std::string path = cfgDir + "/" + kSettingsFileName;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    // Only a file that is not there is missing; one that is there but unusable (a folder of that
    // name, no permission) would send the user looking for the wrong fault.
    if (status.type() == std::filesystem::file_type::not_found) {
        return platform::failure<SettingsFileResult>("Tessaly.iniなし");
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

LoadResult chooseCodeSystem(const std::string& cfgDir, const std::optional<std::string>& systemName) {
    const SettingsFileResult settingsFile = loadSettingsFile(cfgDir);
    if (!settingsFile.message.empty()) return failure(settingsFile.message + " (" + cfgDir + ")");

    const CodeSystemList list = readCodeSystemList(settingsFile.ini);
    if (list.names.empty()) return failure(cfgDir + "/" + kSettingsFileName + " lists no colour-code systems");
    const std::string name = systemName.value_or(list.names[static_cast<std::size_t>(list.defaultIndex)]);
    if (std::find(list.names.begin(), list.names.end(), name) == list.names.end()) {
        return failure("unknown colour-code system: " + name);
    }

    LoadResult loaded = loadCodeSystem(cfgDir, settingsFile.ini, name);
    if (!loaded.message.empty()) {
        const std::string& tableFile = loaded.system.settings.tableFile;
        const std::string where = tableFile.empty()
                                      ? std::string(kSettingsFileName) + " names no colour table file for " + name
                                      : cfgDir + "/" + tableFile;
        loaded.message += " (" + where + ")";
    }
    return loaded;
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
