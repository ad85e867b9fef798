#include "app/message_boxes.h"

#include <QGuiApplication>

namespace app {

QString messageBoxCaption(const QString& captionWord) {
    return QGuiApplication::applicationName() + " <" + captionWord + ">";
}

void ShowMessageBox(const QString& text, const QString& captionWord) {
    dialogs().showMessage({messageBoxCaption(captionWord), text, BoxKind::Warning});
}

ModalResult AskMessageBox(const QString& text, BoxKind kind, BoxButtons buttons, const QString& captionWord) {
    return dialogs().ask({messageBoxCaption(captionWord), text, kind, buttons});
}

void showPlainMessage(const QString& text) {
    dialogs().showMessage({QGuiApplication::applicationName(), text, BoxKind::Custom});
}

}  // namespace app
