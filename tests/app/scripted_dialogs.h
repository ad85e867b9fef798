#pragma once

#include "app/dialogs.h"

#include <deque>
#include <vector>

// Stands in for the user at every message box and file dialog while it lives: answers come from a
// queue the test fills beforehand, and every box and dialog is recorded. A question or file dialog
// nobody answered, or an answer left over at the end, fails the test instead of waiting.
class ScriptedDialogs final : public app::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(app::ModalResult result);
    // The path the next file dialog returns; empty for a cancelled dialog.
    void chooseFile(const QString& path);

    const std::vector<app::Message>& messages() const { return messages_; }
    const std::vector<app::Question>& questions() const { return questions_; }
    const std::vector<app::FileRequest>& fileRequests() const { return fileRequests_; }

    void showMessage(const app::Message& message) override;
    app::ModalResult ask(const app::Question& question) override;
    QString openFileName(const app::FileRequest& request) override;
    QString saveFileName(const app::FileRequest& request) override;

private:
    QString nextFile(const app::FileRequest& request);

    app::Dialogs* replaced_;
    std::deque<app::ModalResult> answers_;
    std::deque<QString> files_;
    std::vector<app::Message> messages_;
    std::vector<app::Question> questions_;
    std::vector<app::FileRequest> fileRequests_;
};
