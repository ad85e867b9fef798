#include "pattern/pattern_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace pattern {
namespace {

constexpr auto kFontFile = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
constexpr auto kFontFamily = "IPAGothic";

std::optional<QString> findFamily() {
    const int added = QFontDatabase::addApplicationFont(QString::fromUtf8(kFontFile));
    if (added >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(added);
        if (!families.isEmpty()) return families.front();
    }
    // Installed elsewhere, the system's font list still knows it by name.
    if (QFontDatabase::families().contains(QString::fromUtf8(kFontFamily))) return QString::fromUtf8(kFontFamily);
    return std::nullopt;
}

}  // namespace

std::optional<QString> patternFontFamily() {
    static const std::optional<QString> family = findFamily();
    return family;
}

}  // namespace pattern
