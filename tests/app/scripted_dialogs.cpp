#include "app/scripted_dialogs.h"

#include <QDialog>
#include "app/size_dialog.h"

#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() : replaced_(app::installDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    app::installDialogs(replaced_);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers were never asked for";
    EXPECT_TRUE(files_.empty()) << files_.size() << " file choices were never asked for";
    EXPECT_TRUE(windowActions_.empty()) << windowActions_.size() << " window actions were never used";
    EXPECT_TRUE(sizeScripts_.empty()) << sizeScripts_.size() << " size dialogs were never opened";
}

void ScriptedDialogs::answer(app::ModalResult result) {
    answers_.push_back(result);
}

void ScriptedDialogs::chooseFile(const QString& path) {
    files_.push_back(path);
}

void ScriptedDialogs::atWindow(std::function<void(QDialog&)> action) {
    windowActions_.push_back(std::move(action));
}

void ScriptedDialogs::answerSizeDialog(SizeDialogScript script) {
    sizeScripts_.push_back(std::move(script));
}

void ScriptedDialogs::showMessage(const app::Message& message) {
    messages_.push_back(message);
}

app::ModalResult ScriptedDialogs::ask(const app::Question& question) {
    questions_.push_back(question);
    if (answers_.empty()) {
        ADD_FAILURE() << "unanswered question: " << question.text.toStdString();
        return app::ModalResult::None;
    }
    const app::ModalResult result = answers_.front();
    answers_.pop_front();
    return result;
}

QString ScriptedDialogs::openFileName(const app::FileRequest& request) {
    return nextFile(request);
}

QString ScriptedDialogs::saveFileName(const app::FileRequest& request) {
    return nextFile(request);
}

QString ScriptedDialogs::nextFile(const app::FileRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "unanswered file dialog: " << request.title.toStdString();
        return {};
    }
    const QString path = files_.front();
    files_.pop_front();
    return path;
}

void ScriptedDialogs::showWindow(QDialog& window, app::WindowModality modality) {
    windows_.push_back(ShownWindow{window.objectName(), window.windowTitle(), modality});
    window.show();
    if (modality == app::WindowModality::Modeless) return;
    if (windowActions_.empty()) {
        ADD_FAILURE() << "modal window nobody expected: " << window.windowTitle().toStdString();
    } else {
        const std::function<void(QDialog&)> action = std::move(windowActions_.front());
        windowActions_.pop_front();
        action(window);
    }
    if (window.isVisible()) window.close();
}

void ScriptedDialogs::openInBrowser(const QUrl& address) {
    browsed_.push_back(address);
}

app::ModalResult ScriptedDialogs::showSizeDialog(app::TF_size& dialog) {
    if (sizeScripts_.empty()) {
        ADD_FAILURE() << "unanswered size dialog";
        return app::ModalResult::Cancel;
    }
    const SizeDialogScript script = std::move(sizeScripts_.front());
    sizeScripts_.pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the size dialog was left open";
        dialog.reject();
    }
    return dialog.result() == QDialog::Accepted ? app::ModalResult::Ok : app::ModalResult::Cancel;
}
