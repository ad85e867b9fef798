#pragma once

#include "app/dialogs.h"

#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

// Stands in for the user at every message box and dialog while it lives: answers come from a queue
// the test fills beforehand, and every box and dialog is recorded. A question or dialog nobody
// answered, or an answer left over at the end, fails the test instead of waiting. The program's own
// windows are shown for real; a modal one meets the next action the test gave for it and is then
// closed, as the user would close it. The size dialog is shown without a modal loop and answered by
// a script that works its controls and presses OK or キャンセル.
class ScriptedDialogs final : public app::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(app::ModalResult result);
    // The path the next file dialog returns; empty for a cancelled dialog.
    void chooseFile(const QString& path);
    // What the user does in the next modal window before it closes.
    void atWindow(std::function<void(QDialog&)> action);

    struct ShownWindow {
        QString name;
        QString caption;
        app::WindowModality modality;
    };
    using SizeDialogScript = std::function<void(app::TF_size&)>;
    void answerSizeDialog(SizeDialogScript script);

    const std::vector<app::Message>& messages() const { return messages_; }
    const std::vector<app::Question>& questions() const { return questions_; }
    const std::vector<app::FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<ShownWindow>& windows() const { return windows_; }
    // The addresses that would have gone to the browser.
    const std::vector<QUrl>& browsed() const { return browsed_; }

    void showMessage(const app::Message& message) override;
    app::ModalResult ask(const app::Question& question) override;
    QString openFileName(const app::FileRequest& request) override;
    QString saveFileName(const app::FileRequest& request) override;
    void showWindow(QDialog& window, app::WindowModality modality) override;
    void openInBrowser(const QUrl& address) override;
    app::ModalResult showSizeDialog(app::TF_size& dialog) override;

private:
    QString nextFile(const app::FileRequest& request);

    app::Dialogs* replaced_;
    std::deque<app::ModalResult> answers_;
    std::deque<QString> files_;
    std::deque<std::function<void(QDialog&)>> windowActions_;
    std::deque<SizeDialogScript> sizeScripts_;
    std::vector<app::Message> messages_;
    std::vector<app::Question> questions_;
    std::vector<app::FileRequest> fileRequests_;
    std::vector<ShownWindow> windows_;
    std::vector<QUrl> browsed_;
};
