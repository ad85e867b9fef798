#include "app/faded_caption.h"

#include <QPalette>
#include <QPushButton>
#include <QVariant>

namespace app {

namespace {

// The palette the button had before it faded: which colours were its own and which it took from
// its parent, so that unfading gives back exactly that.
constexpr char normalPaletteProperty[] = "tessalyNormalPalette";

}  // namespace

bool isCaptionFaded(const QPushButton* button) {
    return button->property(normalPaletteProperty).isValid();
}

void setCaptionFaded(QPushButton* button, bool faded) {
    if (faded == isCaptionFaded(button)) return;
    if (faded) {
        button->setProperty(normalPaletteProperty, QVariant::fromValue(button->palette()));
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, button->window()->palette().color(QPalette::Window));
        button->setPalette(palette);
    } else {
        button->setPalette(button->property(normalPaletteProperty).value<QPalette>());
        button->setProperty(normalPaletteProperty, QVariant());
    }
}

}  // namespace app
