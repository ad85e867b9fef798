#pragma once

#include "app/dialogs.h"

#include <deque>
#include <functional>
#include <vector>

// Stands in for the user at every message box and dialog while it lives: answers come from a queue
// the test fills beforehand, and every box and dialog is recorded. A question or dialog nobody
// answered, or an answer left over at the end, fails the test instead of waiting. The size dialog is
// shown without a modal loop and answered by a script that works its controls and presses OK or
// キャンセル.
class ScriptedDialogs final : public app::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(app::ModalResult result);
    // The path the next file dialog returns; empty for a cancelled dialog.
    void chooseFile(const QString& path);
    using SizeDialogScript = std::function<void(app::TF_size&)>;
    void answerSizeDialog(SizeDialogScript script);

    const std::vector<app::Message>& messages() const { return messages_; }
    const std::vector<app::Question>& questions() const { return questions_; }
    const std::vector<app::FileRequest>& fileRequests() const { return fileRequests_; }

    void showMessage(const app::Message& message) override;
    app::ModalResult ask(const app::Question& question) override;
    QString openFileName(const app::FileRequest& request) override;
    QString saveFileName(const app::FileRequest& request) override;
    app::ModalResult showSizeDialog(app::TF_size& dialog) override;

private:
    QString nextFile(const app::FileRequest& request);

    app::Dialogs* replaced_;
    std::deque<app::ModalResult> answers_;
    std::deque<QString> files_;
    std::deque<SizeDialogScript> sizeScripts_;
    std::vector<app::Message> messages_;
    std::vector<app::Question> questions_;
    std::vector<app::FileRequest> fileRequests_;
};
