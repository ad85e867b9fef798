#pragma once

#include "palette/code_system.h"

#include <string>

// What the user chose in the last run, as the usage record's option values keep it, laid over what
// the settings file offers. A saved value that is missing, not a number or out of range gives way to
// the settings, so old or hand-edited records never stop the program from starting.
namespace app {

// The colour-code system to offer: the saved `Ini_No` when it names one of the list, else the list's own.
int chosenSystemIndex(const palette::CodeSystemList& list, const std::string& savedIndex);

struct OptionChoices {
    bool smoothing = false;
    bool boundary = false;
    int maxColours = palette::kMostColours;
};

// The option boxes and the colour count from the saved `op1`, `op2` and `C_def`, or the system's.
OptionChoices optionChoices(const palette::CodeSystemSettings& system, const std::string& savedSmoothing,
                            const std::string& savedBoundary, const std::string& savedMaxColours);

}  // namespace app
