#include "view/widget_hint.h"

#include <QString>
#include <QWidget>

namespace view {

void setHint(QWidget* widget, const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

}  // namespace view
