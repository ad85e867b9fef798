#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace view {

// A control at its design place, under the name the program's documents know it by, with its caption
// and the same words as its accessible name (its name when it has no caption), so that assistive
// technology announces every control the way the window shows it.
template <typename Control>
Control* placeControl(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (requires { control->setText(caption); }) control->setText(caption);
    control->setAccessibleName(caption.isEmpty() ? QString::fromLatin1(name) : caption);
    control->setGeometry(geometry);
    return control;
}

// A caption that changes while the program runs; assistive technology announces the new one too.
template <typename Control>
void setCaption(Control* control, const QString& caption) {
    control->setText(caption);
    control->setAccessibleName(caption);
}

}  // namespace view
