#pragma once

#include "palette/code_system.h"
#include "palette/colour_table.h"
#include "palette/shipped_settings.h"
#include "platform/ini_file.h"

#include <optional>
#include <string>

namespace palette {

// The current colour-code system: its settings and its colour table.
struct LoadedCodeSystem {
    std::string name;
    CodeSystemSettings settings;
    ColourTable table;
};

// Why a colour-code system cannot be used. A file that is there but cannot be read is told in the
// command line's frame by `message`, and by `unreadable` for the window to word in its own.
struct LoadProblem {
    std::string message;  // empty on success, otherwise the text to show the user
    std::optional<platform::FileProblem> unreadable;
    // The folder or file a failure is about, for a reader without a window to see it in.
    std::string where;

    bool loaded() const { return message.empty(); }
    // The message with the place it is about, as the command line tells it.
    std::string located() const { return where.empty() ? message : message + " (" + where + ")"; }
};

struct LoadResult : LoadProblem {
    LoadedCodeSystem system;
};

// Reads the system's settings from the settings file and loads its colour table from cfgDir. Fails
// with "カラーコードファイルなし" as the user knows it when there is no table file.
LoadResult loadCodeSystem(const std::string& cfgDir, const platform::IniFile& settings, const std::string& systemName);

// Loads the system of that name, or the one the settings offer first (`Ini_No`) when no name is
// given, with its colour table from cfgDir. Every failure names what is wrong and where: the settings
// file, a name it does not list, the colour table file.
LoadResult chooseCodeSystem(const std::string& cfgDir, const ShippedSettings& settings,
                            const std::optional<std::string>& systemName);

}  // namespace palette
