#pragma once

#include "view/dialogs.h"

namespace view {

// The dialogs a user sees: message boxes on the cream face of the program, and the platform's
// file dialogs, each modal over the active window.
class QtDialogs final : public Dialogs {
public:
    void showMessage(const Message& message) override;
    ModalResult ask(const Question& question) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;
    void showWindow(QDialog& window, WindowModality modality) override;
    void openInBrowser(const QUrl& address) override;
    ModalResult showChoiceDialog(QDialog& dialog) override;
};

}  // namespace view
