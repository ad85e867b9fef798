#include "cli/settings_fabric.h"

#include "app/fabric.h"
#include "palette/catalogue.h"

namespace cli {

view::Fabric settingsFabric(const std::string& cfgDir, const std::string& countSize, const std::string& unit) {
    const palette::SettingsFileResult settings = palette::loadSettingsFile(cfgDir);
    if (!settings.message.empty()) return view::Fabric{};
    return app::chooseFabric(app::readFabricList(settings.ini), settings.ini.readInteger("size", "Ini_No", 0), countSize, unit)
        .fabric;
}

}  // namespace cli
