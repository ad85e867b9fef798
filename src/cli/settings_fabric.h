#pragma once

#include "view/fabric.h"

#include <string>

namespace cli {

// The fabric a chart workbook is written for, chosen as the window chooses it: the fabric of the
// settings' list that the count size and unit name (a free size taking the count size), otherwise
// the settings' default fabric. Without a fabric list, one count is a millimetre.
view::Fabric settingsFabric(const std::string& cfgDir, const std::string& countSize = {}, const std::string& unit = {});

}  // namespace cli
