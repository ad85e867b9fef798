#pragma once

#include "palette/shipped_settings.h"
#include "view/fabric.h"

namespace cli {

// The fabric a chart workbook is written for: the settings' default fabric, as the window starts
// with it. Without a fabric list, one count is a millimetre.
view::Fabric settingsFabric(const palette::ShippedSettings& settings);

}  // namespace cli
