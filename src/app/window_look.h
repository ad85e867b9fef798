#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The font of the program's windows and the colours of single widgets (view/colours.h names them).
namespace app {

// A Japanese Gothic font of 12 pixels: IPAPGothic, whose metrics fit the places and sizes the
// windows are laid out with, or whichever Japanese font is installed.
QFont windowFont();

void paintBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

}  // namespace app
