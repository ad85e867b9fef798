#include "palette/fabric_list.h"

#include "platform/ini_file.h"
#include "platform/text_codec.h"

#include <string_view>

namespace palette {
namespace {

constexpr const char* kSection = "size";

std::string unitOrMillimetres(std::string_view unit) { return unit == "cm" ? "cm" : "mm"; }

}  // namespace

std::vector<Fabric> readFabricList(const platform::IniFile& settings) {
    std::vector<Fabric> fabrics;
    for (int i = 0; i < kFabricSlots; ++i) {
        const std::string number = std::to_string(i);
        std::string name = settings.readString(kSection, "Name" + number, "");
        if (name.empty()) continue;
        const double size = platform::parseRealNumber(settings.readString(kSection, "Size" + number, "")).value_or(1.0);
        std::string unit = unitOrMillimetres(settings.readString(kSection, "Scale" + number, ""));
        fabrics.push_back(Fabric{std::move(name), size, std::move(unit)});
    }
    return fabrics;
}

int readDefaultFabric(const platform::IniFile& settings) { return settings.readInteger(kSection, "Ini_No", 0); }

}  // namespace palette
