#include "palette/catalogue.h"

#include "platform/failure.h"
#include "platform/regular_file.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace palette {
namespace {

template <typename Result = LoadResult>
Result failure(std::string message) { return platform::failure<Result>(std::move(message)); }

}  // namespace

SettingsFileResult loadSettingsFile(const std::string& cfgDir) {
    const std::string path = cfgDir + "/" + kSettingsFileName;
    const platform::FileBytes file = platform::readRegularFile(path, platform::kMostTextFileBytes);
    // Only a file that is not there is missing; one that is there but unusable (a folder of that
    // name, no permission) would send the user looking for the wrong fault.
    if (file.problem && platform::isMissing(*file.problem)) return failure<SettingsFileResult>("Tessaly.iniなし");
    if (file.problem) {
        SettingsFileResult result = failure<SettingsFileResult>(std::string("cannot read ") + kSettingsFileName + ": " +
                                                                platform::englishReason(*file.problem));
        result.unreadable = file.problem;
        return result;
    }
    SettingsFileResult result;
    result.ini = platform::IniFile::parse(platform::decodeTextFile(file.bytes));
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
    if (!loaded.message.empty() && !loaded.unreadable) {
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
    if (result.system.settings.tableFile.empty()) {
        result.message = "カラーコードファイルなし";
        return result;
    }
    const platform::FileBytes file = platform::readRegularFile(tablePath, platform::kMostTextFileBytes);
    if (file.problem && platform::isMissing(*file.problem)) {
        result.message = "カラーコードファイルなし";
        return result;
    }
    if (file.problem) {
        result.message = "cannot read " + tablePath + ": " + platform::englishReason(*file.problem);
        result.unreadable = file.problem;
        return result;
    }
    result.system.table = parseColourTable(platform::decodeTextFile(file.bytes));
    return result;
}

}  // namespace palette
