#include "palette/catalogue.h"

#include "platform/failure.h"
#include "platform/regular_file.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace palette {
namespace {

LoadResult failure(std::string message) { return platform::failure<LoadResult>(std::move(message)); }

}  // namespace

LoadResult chooseCodeSystem(const std::string& cfgDir, const ShippedSettings& settings,
                            const std::optional<std::string>& systemName) {
    if (!settings.message.empty()) {
        LoadResult refused = failure(settings.message);
        refused.unreadable = settings.unreadable;
        refused.where = cfgDir;
        return refused;
    }

    const CodeSystemList& list = settings.systems;
    // Settings that list no system name no colour table either.
    if (list.names.empty()) {
        LoadResult refused = failure("カラーコードファイルなし");
        refused.where = cfgDir + "/" + kSettingsFileName + " lists no colour-code systems";
        return refused;
    }
    const std::string name = systemName.value_or(list.names[static_cast<std::size_t>(list.defaultIndex)]);
    if (std::find(list.names.begin(), list.names.end(), name) == list.names.end()) {
        return failure("unknown colour-code system: " + name);
    }

    LoadResult loaded = loadCodeSystem(cfgDir, settings.ini, name);
    if (!loaded.message.empty() && !loaded.unreadable) {
        const std::string& tableFile = loaded.system.settings.tableFile;
        loaded.where = tableFile.empty() ? std::string(kSettingsFileName) + " names no colour table file for " + name
                                         : cfgDir + "/" + tableFile;
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
