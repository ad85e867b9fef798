#include "app/window_look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace app {

QFont windowFont() {
    QFont font;
    QStringList families{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (!families.contains(family)) families.append(family);
    }
    font.setFamilies(families);
    font.setPixelSize(12);
    return font;
}

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace app
