#pragma once

#include "palette/fabric.h"
#include "palette/shipped_settings.h"

namespace cli {

// The fabric a chart workbook is written for: the settings' default fabric, as the window starts
// with it. Without a fabric list, one count is a millimetre.
palette::Fabric settingsFabric(const palette::ShippedSettings& settings);

}  // namespace cli
