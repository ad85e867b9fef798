#include "palette/code_system.h"

#include "platform/ini_file.h"

namespace palette {
namespace {

constexpr int kMaxSystems = 21;
constexpr int kSmallestCubeSize = 8;

int zeroOrOne(int value) { return value == 1 ? 1 : 0; }

}  // namespace

CodeSystemList readCodeSystemList(const platform::IniFile& ini) {
    CodeSystemList list;
    for (int i = 0; i < kMaxSystems; ++i) {
        const std::string name = ini.readString("code", "Name" + std::to_string(i), "");
        if (name.empty()) break;
        list.names.push_back(name);
    }
    const int index = ini.readInteger("code", "Ini_No", 0);
    list.defaultIndex = index < 0 || index >= static_cast<int>(list.names.size()) ? 0 : index;
    return list;
}

CodeSystemSettings readCodeSystemSettings(const platform::IniFile& ini, const std::string& system) {
    CodeSystemSettings s;
    s.title = ini.readString(system, "Name", "");
    s.tableFile = ini.readString(system, "File", "");
    s.hueWeight = ini.readInteger(system, "C_Wight", kDefaultHueWeight);
    if (s.hueWeight < 0) s.hueWeight = kDefaultHueWeight;
    s.maxColours = ini.readInteger(system, "C_max", kMostColours);
    if (s.maxColours < 1 || s.maxColours > kMostColours) s.maxColours = kMostColours;
    s.defaultColours = ini.readInteger(system, "C_def", s.maxColours);
    if (s.defaultColours < 1 || s.defaultColours > s.maxColours) s.defaultColours = s.maxColours;
    s.cubeSize = ini.readInteger(system, "T_num", kDefaultCubeSize);
    if (s.cubeSize < kSmallestCubeSize) s.cubeSize = kDefaultCubeSize;
    s.smoothing = zeroOrOne(ini.readInteger(system, "op1", 0)) == 1;
    s.boundary = zeroOrOne(ini.readInteger(system, "op2", 0)) == 1;
    s.appearance = zeroOrOne(ini.readInteger(system, "op3", 0)) == 1;
    return s;
}

}  // namespace palette
