#include "view/widget_hint.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

namespace view {

QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(longHint(hint));
    if (widget->underMouse()) {
        QStatusTipEvent tip(widget->statusTip());
        QCoreApplication::sendEvent(widget, &tip);
    }
}

}  // namespace view
