#pragma once

#include <string>

namespace platform {

// The running program's file, found through the system rather than argv[0], so that it does not
// matter where the program was started from; argv0 serves only when the system cannot tell.
std::string programFile(const char* argv0);

// Where the shipped data (the settings file, the colour tables) lies: the cfg folder beside the
// program while it runs from its build folder, or the data folder of an installation
// (<prefix>/share/tessaly/cfg beside <prefix>/bin).
std::string shippedConfigFolder(const std::string& programFile);

// Where one of our helper programs lies: beside the program while it runs from its build folder, or
// in the installation's <prefix>/libexec/tessaly beside <prefix>/bin. Empty when it is in neither.
std::string helperProgram(const std::string& programFile, const std::string& name);

}  // namespace platform
