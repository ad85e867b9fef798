#include "view/qt_dialogs.h"

#include "view/colours.h"
#include "view/file_filter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace view {

namespace {

struct ButtonLook {
    BoxButton button;
    const char* caption;
    QMessageBox::ButtonRole role;
    ModalResult result;
};

// Each button with the caption it has on a Japanese desktop and the answer it gives.
constexpr ButtonLook buttonLooks[] = {
    {BoxButton::Yes, "はい", QMessageBox::YesRole, ModalResult::Yes},
    {BoxButton::No, "いいえ", QMessageBox::NoRole, ModalResult::No},
    {BoxButton::Ok, "OK", QMessageBox::AcceptRole, ModalResult::Ok},
    {BoxButton::Cancel, "キャンセル", QMessageBox::RejectRole, ModalResult::Cancel},
    {BoxButton::Abort, "中止", QMessageBox::RejectRole, ModalResult::Abort},
    {BoxButton::Retry, "再試行", QMessageBox::AcceptRole, ModalResult::Retry},
    {BoxButton::Ignore, "無視", QMessageBox::AcceptRole, ModalResult::Ignore},
    {BoxButton::All, "すべて", QMessageBox::YesRole, ModalResult::All},
    {BoxButton::NoToAll, "すべていいえ", QMessageBox::NoRole, ModalResult::NoToAll},
    {BoxButton::YesToAll, "すべてはい", QMessageBox::YesRole, ModalResult::YesToAll},
    {BoxButton::Help, "ヘルプ", QMessageBox::HelpRole, ModalResult::Help},
};

QMessageBox::Icon iconOf(BoxKind kind) {
    switch (kind) {
    case BoxKind::Warning: return QMessageBox::Warning;
    case BoxKind::Error: return QMessageBox::Critical;
    case BoxKind::Information: return QMessageBox::Information;
    case BoxKind::Confirmation: return QMessageBox::Question;
    case BoxKind::Custom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

ModalResult runBox(const QString& caption, const QString& text, BoxKind kind, BoxButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    // A title and a close box only: the box is answered by its buttons, not resized or minimised.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(iconOf(kind));
    QPalette face = box.palette();
    face.setColor(QPalette::Window, cream);
    box.setPalette(face);

    QMap<QAbstractButton*, ModalResult> results;
    for (const ButtonLook& look : buttonLooks) {
        if (!buttons.testFlag(look.button)) continue;
        QPushButton* button = box.addButton(QString::fromUtf8(look.caption), look.role);
        results.insert(button, look.result);
    }
    box.exec();
    return results.value(box.clickedButton(), ModalResult::None);
}

}  // namespace

void QtDialogs::showMessage(const Message& message) {
    runBox(message.caption, message.text, message.kind, BoxButton::Ok);
}

ModalResult QtDialogs::ask(const Question& question) {
    return runBox(question.caption, question.text, question.kind, question.buttons);
}

QString QtDialogs::openFileName(const FileRequest& request) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, request.folder,
                                        qtNameFilters(request.filter));
}

QString QtDialogs::saveFileName(const FileRequest& request) {
    // Whoever saves asks about replacing an existing file in the program's own words.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.folder,
                                        qtNameFilters(request.filter), nullptr, QFileDialog::DontConfirmOverwrite);
}

void QtDialogs::showWindow(QDialog& window, WindowModality modality) {
    if (modality == WindowModality::Modal) {
        window.exec();
    } else {
        window.show();
    }
}

void QtDialogs::openInBrowser(const QUrl& address) { QDesktopServices::openUrl(address); }

ModalResult QtDialogs::showChoiceDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
}

}  // namespace view
