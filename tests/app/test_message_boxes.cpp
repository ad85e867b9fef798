#include "app/message_boxes.h"
#include "app/qt_dialogs.h"
#include "app/scripted_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

using app::BoxButton;
using app::BoxKind;
using app::ModalResult;

TEST(MessageBoxes, MessagesAreWarningsCaptionedWithTitleAndWord) {
    ScriptedDialogs script;
    app::ShowMessageBox("減色できませんでした", "");
    app::ShowMessageBox("図案がまだ作成されていません。", "色塗り");
    app::showPlainMessage("Tessaly.iniなし");
    EXPECT_EQ(script.messages(), (std::vector<app::Message>{
                                     {"Tessaly <>", "減色できませんでした", BoxKind::Warning},
                                     {"Tessaly <色塗り>", "図案がまだ作成されていません。", BoxKind::Warning},
                                     {"Tessaly", "Tessaly.iniなし", BoxKind::Custom},
                                 }));
}

TEST(MessageBoxes, TheBoxOnScreenIsCaptionedWithTheTitleAndTheWordAlone) {
    app::QtDialogs onScreen;
    app::Dialogs* replaced = app::installDialogs(&onScreen);
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowHandle()->title();
        box->buttons().first()->click();
    });
    app::ShowMessageBox("減色できませんでした", "Excel出力");
    app::installDialogs(replaced);
    EXPECT_EQ(caption, "Tessaly <Excel出力>");
}

TEST(MessageBoxes, QuestionsGetTheScriptedAnswersWithTheirNumbers) {
    ScriptedDialogs script;
    script.answer(ModalResult::Yes);
    script.answer(ModalResult::No);
    const auto ask = [] {
        return app::AskMessageBox("a.xlsを上書きしますか?", BoxKind::Confirmation, BoxButton::Yes | BoxButton::No,
                                  "Excel出力");
    };
    EXPECT_EQ(static_cast<int>(ask()), 6);
    EXPECT_EQ(static_cast<int>(ask()), 7);
    ASSERT_EQ(script.questions().size(), 2u);
    EXPECT_EQ(script.questions()[0], (app::Question{"Tessaly <Excel出力>", "a.xlsを上書きしますか?",
                                                    BoxKind::Confirmation, BoxButton::Yes | BoxButton::No}));
}

TEST(MessageBoxes, FileDialogsReturnTheScriptedChoiceOrCancel) {
    ScriptedDialogs script;
    script.chooseFile("/data/chart.xls");
    script.chooseFile("");
    const app::FileRequest request{"図案Excelファイルを指定してください", "/data", "Excel files (*.xls *.XLS)"};
    EXPECT_EQ(app::dialogs().openFileName(request), "/data/chart.xls");
    EXPECT_EQ(app::dialogs().saveFileName(request), "");
    EXPECT_EQ(script.fileRequests(), (std::vector<app::FileRequest>{request, request}));
}

TEST(MessageBoxes, AScriptPutsBackTheDialogsItReplaced) {
    ScriptedDialogs outer;
    {
        ScriptedDialogs inner;
        app::ShowMessageBox("inner", "");
        EXPECT_EQ(inner.messages().size(), 1u);
    }
    app::ShowMessageBox("outer", "");
    EXPECT_EQ(outer.messages().size(), 1u);
}
