// Tessaly.ini is edited by hand; whatever it holds, the list of code systems and each system's
// settings must come out corrected into the ranges the window relies on.

#include "palette/code_system.h"
#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void checkSettings(const platform::IniFile& ini, const std::string& system) {
    const palette::CodeSystemSettings s = palette::readCodeSystemSettings(ini, system);
    const bool corrected = s.hueWeight >= 0 && s.maxColours >= 1 && s.maxColours <= 56 && s.defaultColours >= 1 &&
                           s.defaultColours <= s.maxColours && s.cubeSize >= 8;
    if (!corrected) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::IniFile ini =
        platform::IniFile::parse(platform::decodeTextFile(std::string_view(reinterpret_cast<const char*>(data), size)));

    const palette::CodeSystemList list = palette::readCodeSystemList(ini);
    if (list.names.size() > 21) __builtin_trap();
    if (list.defaultIndex < 0 || (list.defaultIndex > 0 && static_cast<std::size_t>(list.defaultIndex) >= list.names.size())) __builtin_trap();
    for (const std::string& name : list.names) {
        if (name.empty()) __builtin_trap();
        checkSettings(ini, name);
    }

    // Names compare without regard to ASCII case.
    if (ini.value("code", "Name0") != ini.value("CODE", "nAME0")) __builtin_trap();

    static const std::array<std::string, 5> kFixedSections{"DMC(刺繍糸)", "アイコン", "code", "size", ""};
    for (const std::string& section : kFixedSections) {
        checkSettings(ini, section);
        ini.readString(section, "Name0", "-");
        ini.readInteger(section, "Ini_No", 0);
        ini.value(section, "Size0");
    }
    return 0;
}
