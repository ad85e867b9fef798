#pragma once

#include "palette/fabric.h"

#include <vector>

namespace platform {
class IniFile;
}

// The fabrics a chart can be sized for: the cloth whose count (cells per unit of length) gives the
// chart its size on the cloth.
namespace palette {

inline constexpr int kFabricSlots = 20;

// Section `size` of the settings file: the named fabrics of Name0..Name19 in key order, without gaps.
std::vector<Fabric> readFabricList(const platform::IniFile& settings);

// The fabric the settings offer first (`Ini_No` of section `size`), as written; not yet checked
// against the list.
int readDefaultFabric(const platform::IniFile& settings);

}  // namespace palette
