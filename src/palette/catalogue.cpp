#include "palette/catalogue.h"

#include "platform/text_codec.h"

namespace palette {

std::optional<platform::IniFile> loadSettingsFile(const std::string& cfgDir) {
    const std::string path = cfgDir + "/" + kSettingsFileName;
    return platform::fileExists(path) ? platform::IniFile::load(path) : std::nullopt;
}

LoadResult loadCodeSystem(const std::string& cfgDir, const std::string& systemName) {
    const auto ini = loadSettingsFile(cfgDir);
    if (!ini) {
        LoadResult missing;
        missing.message = "Tessaly.iniなし";
        return missing;
    }
    return loadCodeSystem(cfgDir, *ini, systemName);
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
