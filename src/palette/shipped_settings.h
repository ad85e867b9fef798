#pragma once

#include "palette/code_system.h"
#include "palette/fabric_list.h"
#include "platform/ini_file.h"

#include <optional>
#include <string>
#include <vector>

namespace palette {

// Tessaly.ini as read once per run: the window keeps it from start-up, the command line reads it
// once per command. The colour tables are read only when a system is chosen.
struct ShippedSettings {
    // Empty on success; "Tessaly.iniなし" when there is no such file, otherwise why it cannot be read.
    // A file that is there but cannot be read is also told by `unreadable`, for the window to word in
    // its own.
    std::string message;
    std::optional<platform::FileProblem> unreadable;
    platform::IniFile ini;
    CodeSystemList systems;
    std::vector<Fabric> fabrics;
    int defaultFabric = 0;
};

// Tessaly.ini in cfgDir, with its list of systems and of fabrics; both empty when it cannot be read.
ShippedSettings loadShippedSettings(const std::string& cfgDir);

}  // namespace palette
