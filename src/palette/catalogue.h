#pragma once

#include "palette/code_system.h"
#include "palette/colour_table.h"

#include <string>

namespace palette {

// The current colour-code system: its settings and its colour table.
struct LoadedCodeSystem {
    std::string name;
    CodeSystemSettings settings;
    ColourTable table;
};

struct LoadResult {
    std::string message;  // empty on success, otherwise the text to show the user
    LoadedCodeSystem system;
};

// Reads the system's settings from Tessaly.ini in cfgDir and loads its colour table. Fails with
// "Tessaly.iniなし" or "カラーコードファイルなし" as the user knows them.
LoadResult loadCodeSystem(const std::string& cfgDir, const std::string& systemName);

}  // namespace palette
