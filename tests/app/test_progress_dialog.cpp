// The workbook progress dialog worked through its real widgets.

#include "app/progress_dialog.h"
#include "view/scripted_dialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kExportCaption = QStringLiteral("Tessaly <図案Excel出力> ");
const QString kImportCaption = QStringLiteral("Tessaly <図案Excel読込> (原画には図案を使います。)");
// Long enough to wrap to three lines in the dialog's width.
const QString kThreeLineMessage = QStringLiteral(
    "出力先のファイルを開けませんでした。別のプログラムが使っていないか、フォルダに書き込めるかを確かめてから、もう一度お試しください。");

class ProgressDialogTest : public ::testing::Test {
protected:
    ProgressDialogTest() {
        mainWindow.resize(640, 480);
        mainWindow.show();
        // The real six seconds are for users; the rule is the same with a few milliseconds.
        dialog.Timer1->setInterval(5);
    }

    // Waits for the window to close by itself, with room for a slow, shared machine.
    bool closesByItself() {
        QSignalSpy finished(&dialog, &QDialog::finished);
        return finished.wait(10000) && !dialog.isVisible();
    }

    ScriptedDialogs dialogs_;
    QWidget mainWindow;
    app::TForm2 dialog{&mainWindow};
};

TEST_F(ProgressDialogTest, OpeningShowsTheOperationAboveTheMainWindowAndStepsMoveTheBarUpToItsEnd) {
    EXPECT_FALSE(dialog.isVisible());
    dialog.ProgressOpen(kExportCaption, 10);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &mainWindow);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    ASSERT_EQ(dialogs_.windows().size(), 1u);
    EXPECT_EQ(dialogs_.windows()[0].caption, kExportCaption);
    EXPECT_EQ(dialogs_.windows()[0].modality, view::WindowModality::Modeless);

    EXPECT_EQ(dialog.ProgressBar1->value(), 0);
    EXPECT_EQ(dialog.ProgressBar1->cursor().shape(), Qt::WaitCursor);
    EXPECT_FALSE(dialog.Bt_OK->isVisible());

    bool ranMeanwhile = false;
    QTimer::singleShot(0, &dialog, [&] { ranMeanwhile = true; });
    dialog.ProgressStage(QStringLiteral("Excel起動中"));
    dialog.ProgressStep(2);
    EXPECT_TRUE(ranMeanwhile);
    EXPECT_EQ(dialog.Label2->text(), QStringLiteral("Excel起動中"));
    EXPECT_EQ(dialog.ProgressBar1->value(), 2);
    dialog.ProgressStep(3);
    EXPECT_EQ(dialog.ProgressBar1->value(), 5);
    dialog.ProgressStep(20);  // the maximum is the total given
    EXPECT_EQ(dialog.ProgressBar1->value(), 10);

    dialog.ProgressReset(4);
    EXPECT_EQ(dialog.ProgressBar1->value(), 4);
}

TEST_F(ProgressDialogTest, EndedAndCancelledMessagesCloseByThemselves) {
    for (const QString& message : {QStringLiteral("Excel出力終了"), QStringLiteral("Excel読込終了"),
                                   QStringLiteral("ファイル名入力がキャンセルされました")}) {
        dialog.ProgressOpen(kExportCaption, 50);
        dialog.ProgressStep(7);
        dialog.ProgressFinish(message);
        EXPECT_EQ(dialog.ProgressBar1->value(), 50);
        EXPECT_EQ(dialog.ProgressBar1->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(dialog.Label2->text(), message);
        EXPECT_TRUE(dialog.Bt_OK->isVisible());
        EXPECT_TRUE(dialog.Timer1->isActive()) << message.toStdString();
        EXPECT_TRUE(closesByItself()) << message.toStdString();
    }
}

// An export's timer must neither hide an import started soon after nor take its final message away.
TEST_F(ProgressDialogTest, TheNextOperationStopsThePreviousMessagesTimer) {
    dialog.Timer1->setInterval(6000);
    dialog.ProgressOpen(kExportCaption, 50);
    dialog.ProgressFinish(QStringLiteral("Excel出力終了"));
    ASSERT_TRUE(dialog.Timer1->isActive());

    dialog.ProgressOpen(kImportCaption, 430);
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), kImportCaption);
    EXPECT_FALSE(dialog.Bt_OK->isVisible());
}

TEST_F(ProgressDialogTest, AnErrorShowsAWindowThatWasClosedMeanwhileUntilOk) {
    dialog.ProgressOpen(kImportCaption, 430);
    dialog.close();
    ASSERT_FALSE(dialog.isVisible());

    // An error is not closed by the timer: it stays until OK.
    dialog.ProgressFinish(QStringLiteral("読込ファイルが図案ファイルではありません"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(dialog.Label2->text(), QStringLiteral("読込ファイルが図案ファイルではありません"));
    QTest::mouseClick(dialog.Bt_OK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, ALongMessageGrowsTheWindowAndTheNextOperationStartsAsDesigned) {
    dialog.ProgressOpen(kExportCaption, 50);
    const int line = dialog.Label2->height();
    const int designHeight = dialog.height();
    const int designOkTop = dialog.Bt_OK->y();

    dialog.ProgressFinish(QStringLiteral("図案画像がありません"));
    EXPECT_EQ(dialog.height(), designHeight);
    EXPECT_TRUE(dialog.Label2->alignment() & Qt::AlignHCenter);

    dialog.ProgressFinish(kThreeLineMessage);
    EXPECT_EQ(dialog.Label2->height(), 3 * line);
    EXPECT_EQ(dialog.height(), designHeight + 2 * line);
    EXPECT_EQ(dialog.Bt_OK->y(), designOkTop + 2 * line);
    EXPECT_TRUE(dialog.Label2->alignment() & Qt::AlignLeft);
    // No line is cut off by the panel or hidden behind OK.
    EXPECT_LE(dialog.Label2->height(), dialog.Panel1->height());
    EXPECT_GE(dialog.Bt_OK->y(), dialog.Panel1->y() + dialog.Label2->height());

    // Still open with the long message when the next operation begins.
    dialog.ProgressOpen(kImportCaption, 430);
    EXPECT_EQ(dialog.height(), designHeight);
    EXPECT_EQ(dialog.Label2->height(), line);
    EXPECT_EQ(dialog.Bt_OK->y(), designOkTop);
    EXPECT_TRUE(dialog.Label2->alignment() & Qt::AlignHCenter);

    // And so after closing.
    dialog.ProgressFinish(kThreeLineMessage);
    QTest::mouseClick(dialog.Bt_OK, Qt::LeftButton);
    EXPECT_EQ(dialog.height(), designHeight);
    EXPECT_EQ(dialog.Bt_OK->y(), designOkTop);
}

TEST_F(ProgressDialogTest, EveryControlIsNamedForAssistiveTechnology) {
    dialog.ProgressOpen(kExportCaption, 50);
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control) ||
            qobject_cast<QProgressBar*>(control)) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(dialog.ProgressBar1->accessibleName(), kExportCaption);
    EXPECT_EQ(dialog.Label2->accessibleName(), QStringLiteral("ファイルチェック中"));
    dialog.ProgressFinish(QStringLiteral("Excel出力終了"));
    EXPECT_EQ(dialog.Label2->accessibleName(), QStringLiteral("Excel出力終了"));
}

}  // namespace
