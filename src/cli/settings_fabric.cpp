#include "cli/settings_fabric.h"

#include "app/fabric.h"

namespace cli {

view::Fabric settingsFabric(const palette::ShippedSettings& settings) {
    return app::chooseFabric(settings.fabrics, settings.defaultFabric, {}, {}).fabric;
}

}  // namespace cli
