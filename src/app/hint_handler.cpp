#include "app/hint_handler.h"

#include "app/status_line.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

#include <utility>

namespace app {

HintHandler::HintHandler(StatusLine* statusLine, DateText dateText, QObject* parent)
    : QObject(parent), statusLine_(statusLine), dateText_(std::move(dateText)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HintHandler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::StatusTip) return QObject::eventFilter(watched, event);
    statusLine_->setPanelText(StatusLine::hintPanel, static_cast<QStatusTipEvent*>(event)->tip());
    statusLine_->setPanelText(StatusLine::datePanel, dateText_());
    // Taken here, so that no parent window shows the tip a second way.
    return true;
}

}  // namespace app

