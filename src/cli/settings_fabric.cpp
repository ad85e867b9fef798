#include "cli/settings_fabric.h"

#include "app/fabric.h"
#include "palette/catalogue.h"

namespace cli {

view::Fabric settingsFabric(const std::string& cfgDir) {
    const palette::SettingsFileResult settings = palette::loadSettingsFile(cfgDir);
    if (!settings.message.empty()) return view::Fabric{};
    return app::chooseFabric(app::readFabricList(settings.ini), settings.ini.readInteger("size", "Ini_No", 0), {}, {})
        .fabric;
}

}  // namespace cli
