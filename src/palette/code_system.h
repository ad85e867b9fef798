#pragma once

#include <string>
#include <vector>

namespace platform {
class IniFile;
}

namespace palette {

inline constexpr const char* kSettingsFileName = "Tessaly.ini";

// What a system's settings fall back to. A chart has a row in its key, and a symbol, for at most
// kMostColours colours.
inline constexpr int kMostColours = 56;
inline constexpr int kDefaultHueWeight = 10;
inline constexpr int kDefaultCubeSize = 512;

// The list of colour-code systems (section `code`): the names in the order offered to the user.
struct CodeSystemList {
    std::vector<std::string> names;
    int defaultIndex = 0;  // `Ini_No`, corrected into the list
};

CodeSystemList readCodeSystemList(const platform::IniFile& ini);

// A system's own section, with every default and correction applied.
struct CodeSystemSettings {
    std::string title;       // `Name`
    std::string tableFile;   // `File`, relative to the configuration folder
    int hueWeight = kDefaultHueWeight;    // `C_Wight`
    int maxColours = kMostColours;        // `C_max`
    int defaultColours = kMostColours;    // `C_def`
    int cubeSize = kDefaultCubeSize;      // `T_num`
    bool smoothing = false;  // `op1`
    bool boundary = false;   // `op2`
    bool appearance = false;  // `op3`: threads chosen for the chart's look
};

CodeSystemSettings readCodeSystemSettings(const platform::IniFile& ini, const std::string& system);

}  // namespace palette
