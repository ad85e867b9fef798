#pragma once

#include <QString>

class QWidget;

namespace view {

// A hint is "short|long": the short part is the tooltip, the long part goes to the status line.
// Without "|" both are the whole hint.
QString shortHint(const QString& hint);
QString longHint(const QString& hint);

// Gives the widget the hint's tooltip and status tip. A widget under the mouse shows its new long
// part at once, as the tab strip does when the mouse moves from one tab to the other.
void setHint(QWidget* widget, const QString& hint);

}  // namespace view
