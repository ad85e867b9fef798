#pragma once

#include <string>
#include <string_view>

namespace companion {

// The usage record is named after the program file: its name up to the first '.' (the whole name
// when it has none; empty when it begins with '.', which leaves the program without a record).
std::string recordAppName(std::string_view programFileName);

// The user's own folder for Tessaly's files: $XDG_CONFIG_HOME/Tessaly, by default ~/.config/Tessaly;
// empty when the system names no home.
std::string userConfigFolder();

// The folder that holds the usage record. A record the user already has in their own folder is
// used first; otherwise the record stays beside the program, in its cfg folder, while that folder
// can be written, and an installed program, whose folder cannot, keeps it in the user's folder.
std::string chooseRecordFolder(const std::string& cfgFolder, const std::string& userFolder, const std::string& appName);

}  // namespace companion
