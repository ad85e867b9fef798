#include "cli/settings_fabric.h"

#include "palette/fabric.h"

namespace cli {

palette::Fabric settingsFabric(const palette::ShippedSettings& settings) {
    return palette::chooseFabric(settings.fabrics, settings.defaultFabric, std::nullopt, {}).fabric;
}

}  // namespace cli
