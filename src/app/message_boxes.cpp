#include "app/message_boxes.h"

#include <QGuiApplication>

namespace app {

QString messageBoxCaption(const QString& captionWord) {
    return QGuiApplication::applicationName() + " <" + captionWord + ">";
}

void ShowMessageBox(const QString& text, const QString& captionWord) {
    view::dialogs().showMessage({messageBoxCaption(captionWord), text, view::BoxKind::Warning});
}

view::ModalResult AskMessageBox(const QString& text, view::BoxKind kind, view::BoxButtons buttons,
                                const QString& captionWord) {
    return view::dialogs().ask({messageBoxCaption(captionWord), text, kind, buttons});
}

void showPlainMessage(const QString& text) {
    view::dialogs().showMessage({QGuiApplication::applicationName(), text, view::BoxKind::Custom});
}

}  // namespace app
