#pragma once

#include <string>
#include <vector>

namespace platform {
class IniFile;
}

namespace palette {

inline constexpr const char* kSettingsFileName = "Tessaly.ini";

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
    int hueWeight = 10;      // `C_Wight`
    int maxColours = 56;     // `C_max`
    int defaultColours = 56; // `C_def`
    int cubeSize = 512;      // `T_num`
    bool smoothing = false;  // `op1`
    bool boundary = false;   // `op2`
};

CodeSystemSettings readCodeSystemSettings(const platform::IniFile& ini, const std::string& system);

}  // namespace palette
