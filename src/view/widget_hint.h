#pragma once

class QString;
class QWidget;

namespace view {

// Gives a widget its hint, written "short|long": the short part is the tooltip, the long part is
// shown in the status line while the mouse is over the widget.
void setHint(QWidget* widget, const QString& hint);

}  // namespace view
