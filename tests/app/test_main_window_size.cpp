// The size and count dialog opened from the main window, answered by a script in the user's place.

#include "app/size_dialog_driver.h"
#include "app/window_fixture.h"
#include "view/rulers.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

using SizeDialogWindowTest = WindowTest;

void openFromMenu(app::TForm1& window) { window.PopupMenu1->findChild<QAction*>("pop1size")->trigger(); }

QString sizeText(const app::TForm1& window) { return window.pictureArea->findChild<QLabel*>("L_size")->text(); }

TEST_F(SizeDialogWindowTest, OkAtOneHundredCellsMakesA308PixelPanelAndNewSizeTexts) {
    const auto window = start();
    dialogs_.answerChoiceDialog<app::TF_size>([](app::TF_size& dialog) {
        typeCells(dialog.SEdit1, "100");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
    });
    openFromMenu(*window);
    EXPECT_EQ(window->pictureArea->panel()->width(), 308);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->rulers->findChild<QLabel*>("La_mx"))->text(QAccessible::Name),
              QStringLiteral("100"));
    EXPECT_EQ(sizeText(*window), QStringLiteral("1センチ11目(#0.91mm) ＜横:9.1cm (100) × 縦:11.8cm (130)＞"));
}

TEST_F(SizeDialogWindowTest, OpeningFromTheCellsDownFocusesTheirSpinEdit) {
    const auto window = start();
    QWidget* focused = nullptr;
    dialogs_.answerChoiceDialog<app::TF_size>([&focused](app::TF_size& dialog) {
        focused = dialog.focusWidget();
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    QTest::mouseClick(window->rulers->findChild<QLabel*>("La_my"), Qt::LeftButton);
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), QStringLiteral("SEdit2"));
}

// Cancel changes nothing, and the next OK keeps the fabric from before the cancelled opening.
TEST_F(SizeDialogWindowTest, WhatIsCancelledDoesNotComeBackWithTheNextOk) {
    const auto window = start();
    const int index = window->document().fabricIndex();
    const palette::Fabric before = window->document().fabric();
    const QSize area = window->pictureArea->panel()->size();
    const QString text = sizeText(*window);
    dialogs_.answerChoiceDialog<app::TF_size>([](app::TF_size& dialog) {
        typeCells(dialog.SEdit1, "60");
        chooseFabric(dialog, 5);  // 自由サイズ
        typeCountSize(dialog, "3.3");
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    });
    openFromMenu(*window);
    EXPECT_EQ(window->pictureArea->panel()->size(), area);
    EXPECT_EQ(sizeText(*window), text);
    dialogs_.answerChoiceDialog<app::TF_size>(
        [](app::TF_size& dialog) { QTest::mouseClick(dialog.OK, Qt::LeftButton); });
    openFromMenu(*window);
    EXPECT_EQ(window->document().fabricIndex(), index);
    EXPECT_EQ(window->document().fabric().name, before.name);
    EXPECT_EQ(window->document().fabric().countSize, before.countSize);
}

}  // namespace
