#include "view/scripted_dialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() : replaced_(view::installDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    view::installDialogs(replaced_);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers were never asked for";
    EXPECT_TRUE(files_.empty()) << files_.size() << " file choices were never asked for";
    EXPECT_TRUE(windowActions_.empty()) << windowActions_.size() << " window actions were never used";
    EXPECT_TRUE(choiceScripts_.empty()) << choiceScripts_.size() << " choice dialogs were never opened";
}

void ScriptedDialogs::answer(view::ModalResult result) { answers_.push_back(result); }
void ScriptedDialogs::chooseFile(const QString& path) { files_.push_back(path); }
void ScriptedDialogs::atWindow(std::function<void(QDialog&)> action) { windowActions_.push_back(std::move(action)); }
void ScriptedDialogs::showMessage(const view::Message& message) { messages_.push_back(message); }
void ScriptedDialogs::openInBrowser(const QUrl& address) { browsed_.push_back(address); }
QString ScriptedDialogs::openFileName(const view::FileRequest& request) { return nextFile(request); }
QString ScriptedDialogs::saveFileName(const view::FileRequest& request) { return nextFile(request); }

view::ModalResult ScriptedDialogs::ask(const view::Question& question) {
    questions_.push_back(question);
    if (answers_.empty()) {
        ADD_FAILURE() << "unanswered question: " << question.text.toStdString();
        return view::ModalResult::None;
    }
    const view::ModalResult result = answers_.front();
    answers_.pop_front();
    return result;
}

QString ScriptedDialogs::nextFile(const view::FileRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "unanswered file dialog: " << request.title.toStdString();
        return {};
    }
    const QString path = files_.front();
    files_.pop_front();
    return path;
}

void ScriptedDialogs::showWindow(QDialog& window, view::WindowModality modality) {
    windows_.push_back(ShownWindow{window.objectName(), window.windowTitle(), modality});
    window.show();
    if (modality == view::WindowModality::Modeless) return;
    if (windowActions_.empty()) {
        ADD_FAILURE() << "modal window nobody expected: " << window.windowTitle().toStdString();
    } else {
        const std::function<void(QDialog&)> action = std::move(windowActions_.front());
        windowActions_.pop_front();
        action(window);
    }
    if (window.isVisible()) window.close();
}

view::ModalResult ScriptedDialogs::showChoiceDialog(QDialog& dialog) {
    if (choiceScripts_.empty()) {
        ADD_FAILURE() << "unanswered choice dialog";
        return view::ModalResult::Cancel;
    }
    const std::function<void(QDialog&)> script = std::move(choiceScripts_.front());
    choiceScripts_.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the choice dialog was left open";
        dialog.reject();
    }
    return dialog.result() == QDialog::Accepted ? view::ModalResult::Ok : view::ModalResult::Cancel;
}
