#pragma once

#include "view/dialogs.h"

#include <QDialog>
#include <QUrl>

#include <deque>
#include <functional>
#include <vector>

// Stands in for the user at every message box and dialog while it lives: answers come from queues the
// test fills beforehand and everything shown is recorded; whatever nobody answered, or an answer left
// over, fails the test instead of waiting. Modal windows meet the test's next action and then close.
class ScriptedDialogs final : public view::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answer(view::ModalResult result);
    // The path the next file dialog returns; empty for a cancelled dialog.
    void chooseFile(const QString& path);
    // What the user does in the next modal window before it closes.
    void atWindow(std::function<void(QDialog&)> action);

    struct ShownWindow {
        QString name;
        QString caption;
        view::WindowModality modality;
    };
    // The script meets the next choice dialog as the type of dialog it expects.
    template <typename Dialog>
    void answerChoiceDialog(std::function<void(Dialog&)> script) {
        choiceScripts_.push_back(
            [script = std::move(script)](QDialog& dialog) { script(dynamic_cast<Dialog&>(dialog)); });
    }

    const std::vector<view::Message>& messages() const { return messages_; }
    const std::vector<view::Question>& questions() const { return questions_; }
    const std::vector<view::FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<ShownWindow>& windows() const { return windows_; }
    // The addresses that would have gone to the browser.
    const std::vector<QUrl>& browsed() const { return browsed_; }

    void showMessage(const view::Message& message) override;
    view::ModalResult ask(const view::Question& question) override;
    QString openFileName(const view::FileRequest& request) override;
    QString saveFileName(const view::FileRequest& request) override;
    void showWindow(QDialog& window, view::WindowModality modality) override;
    void openInBrowser(const QUrl& address) override;
    view::ModalResult showChoiceDialog(QDialog& dialog) override;

private:
    QString nextFile(const view::FileRequest& request);

    view::Dialogs* replaced_;
    std::deque<view::ModalResult> answers_;
    std::deque<QString> files_;
    std::deque<std::function<void(QDialog&)>> windowActions_;
    std::deque<std::function<void(QDialog&)>> choiceScripts_;
    std::vector<view::Message> messages_;
    std::vector<view::Question> questions_;
    std::vector<view::FileRequest> fileRequests_;
    std::vector<ShownWindow> windows_;
    std::vector<QUrl> browsed_;
};
