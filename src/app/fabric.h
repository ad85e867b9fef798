#pragma once

#include "view/fabric.h"

#include <string>
#include <vector>

namespace platform {
class IniFile;
}

// The fabrics a chart can be sized for: the cloth whose count (cells per unit of length) gives the
// chart its size on the cloth.
namespace app {

inline constexpr int kFabricSlots = 20;
// A fabric whose count size the user sets himself.
inline constexpr double kFreeSize = -1.0;

struct FabricEntry {
    std::string name;
    double countSize = 1.0;  // one count in `unit`, or kFreeSize
    std::string unit = "mm";
};

// The fabric charts are sized for now, and its place in the list.
struct CurrentFabric {
    int index = 0;
    view::Fabric fabric;
};

// Section `size` of the settings file: the named fabrics of Name0..Name19 in key order, without gaps.
std::vector<FabricEntry> readFabricList(const platform::IniFile& settings);

// The fabric of the last run when the saved count size and unit still name one of the list (a free
// size takes the saved size), otherwise the settings' default fabric.
CurrentFabric chooseFabric(const std::vector<FabricEntry>& fabrics, int defaultIndex, const std::string& savedSize,
                           const std::string& savedUnit);

}  // namespace app
