#include "palette/catalogue.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"

namespace palette {

LoadResult loadCodeSystem(const std::string& cfgDir, const std::string& systemName) {
    LoadResult result;
    const std::string settingsPath = cfgDir + "/" + kSettingsFileName;
    const auto ini = platform::fileExists(settingsPath) ? platform::IniFile::load(settingsPath) : std::nullopt;
    if (!ini) {
        result.message = "Tessaly.iniなし";
        return result;
    }
    result.system.name = systemName;
    result.system.settings = readCodeSystemSettings(*ini, systemName);

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
