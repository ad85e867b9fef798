#include "palette/shipped_settings.h"

#include "platform/failure.h"
#include "platform/regular_file.h"
#include "platform/text_codec.h"

namespace palette {

ShippedSettings loadShippedSettings(const std::string& cfgDir) {
    const std::string path = cfgDir + "/" + kSettingsFileName;
    const platform::FileBytes file = platform::readRegularFile(path, platform::kMostTextFileBytes);
    // Only a file that is not there is missing; one that is there but unusable (a folder of that
    // name, no permission) would send the user looking for the wrong fault.
    if (file.problem && platform::isMissing(*file.problem)) return platform::failure<ShippedSettings>("Tessaly.iniなし");
    if (file.problem) {
        ShippedSettings result = platform::failure<ShippedSettings>(std::string("cannot read ") + kSettingsFileName +
                                                                    ": " + platform::englishReason(*file.problem));
        result.unreadable = file.problem;
        return result;
    }
    ShippedSettings result;
    result.ini = platform::IniFile::parse(platform::decodeTextFile(file.bytes));
    result.systems = readCodeSystemList(result.ini);
    result.fabrics = readFabricList(result.ini);
    result.defaultFabric = readDefaultFabric(result.ini);
    return result;
}

}  // namespace palette
