#pragma once

#include "view/fabric.h"

#include <string>

namespace cli {

// The fabric a chart workbook is written for: the settings' default fabric, as the window starts
// with it. Without a fabric list, one count is a millimetre.
view::Fabric settingsFabric(const std::string& cfgDir);

}  // namespace cli
