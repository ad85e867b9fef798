#pragma once

#include "palette/fabric_list.h"
#include "view/fabric.h"

#include <string>
#include <vector>

namespace app {

// The fabric charts are sized for now, and its place in the list.
struct CurrentFabric {
    int index = 0;
    view::Fabric fabric;
};

// The fabric of the last run when the saved count size and unit still name one of the list (a free
// size takes the saved size), otherwise the settings' default fabric.
CurrentFabric chooseFabric(const std::vector<palette::FabricEntry>& fabrics, int defaultIndex,
                           const std::string& savedSize, const std::string& savedUnit);

}  // namespace app
