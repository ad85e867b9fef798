#include "app/message_boxes.h"
#include "view/qt_dialogs.h"
#include "view/scripted_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

using view::BoxButton;
using view::BoxKind;
using view::ModalResult;

TEST(MessageBoxes, MessagesAndQuestionsAreCaptionedWithTitleAndWord) {
    ScriptedDialogs script;
    app::ShowMessageBox("減色できませんでした", "");
    app::ShowMessageBox("図案がまだ作成されていません。", "色塗り");
    app::showPlainMessage("Tessaly.iniなし");
    script.answer(ModalResult::Yes);
    app::AskMessageBox("a.xlsを上書きしますか?", BoxKind::Confirmation, BoxButton::Yes | BoxButton::No, "Excel出力");
    EXPECT_EQ(script.questions(), (std::vector<view::Question>{{"Tessaly <Excel出力>", "a.xlsを上書きしますか?",
                                                               BoxKind::Confirmation, BoxButton::Yes | BoxButton::No}}));
    EXPECT_EQ(script.messages(), (std::vector<view::Message>{
                                     {"Tessaly <>", "減色できませんでした", BoxKind::Warning},
                                     {"Tessaly <色塗り>", "図案がまだ作成されていません。", BoxKind::Warning},
                                     {"Tessaly", "Tessaly.iniなし", BoxKind::Custom},
                                 }));
}

TEST(MessageBoxes, TheBoxOnScreenIsCaptionedWithTheTitleAndTheWordAlone) {
    view::QtDialogs onScreen;
    view::Dialogs* replaced = view::installDialogs(&onScreen);
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowHandle()->title();
        box->buttons().first()->click();
    });
    app::ShowMessageBox("減色できませんでした", "Excel出力");
    view::installDialogs(replaced);
    EXPECT_EQ(caption, "Tessaly <Excel出力>");
}
