// The size and count dialog on its own, worked through its real controls.

#include "view/scripted_dialogs.h"
#include "app/size_dialog.h"
#include "app/size_dialog_driver.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const std::vector<palette::Fabric> kFabrics{
    {"1センチ11目", 0.91, "mm"},
    {"１センチ9目", 1.11, "mm"},
    {"自由サイズ", palette::kFreeSize, "mm"},
    {"自由サイズ(cm)", palette::kFreeSize, "cm"},
};

const palette::FabricChoice kNineCounts{1, palette::Fabric{"１センチ9目", 1.11, "mm"}};

QString announced(QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); }

class SizeDialogTest : public ::testing::Test {
protected:
    void open(int focus = 0) {
        ASSERT_TRUE(dialog.FormShow(focus, view::CellCounts{100, 120}, kNineCounts));
        dialog.show();
    }

    ScriptedDialogs dialogs_;
    app::TF_size dialog{kFabrics};
};

TEST_F(SizeDialogTest, ChoosingAFabricShowsTheStitchedWidthAndHeight) {
    open();
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("横 11.1cm"));
    chooseFabric(dialog, 0);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("  0.91"));
    EXPECT_EQ(dialog.SEdit1mm->value(), 91);
    EXPECT_EQ(dialog.L1mm->text(), QStringLiteral("mm"));
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("横 9.1cm"));
    EXPECT_EQ(dialog.Panel2->text(), QStringLiteral("縦 10.9cm"));

    typeCells(dialog.SEdit1, "50");
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("横 4.6cm"));  // 45.5 mm, halves to even
}

TEST_F(SizeDialogTest, EnterPressesTheButtonThatHasTheFocusAndOkGivesWhatWasChosen) {
    open();
    typeCells(dialog.SEdit2, "80");
    QTest::keyClick(dialog.SEdit2, Qt::Key_Return);
    typeCountSize(dialog, "2.5");
    chooseFabric(dialog, 0);
    EXPECT_TRUE(dialog.isVisible());  // ENTER in an edit only commits what was typed

    dialog.OK->setFocus();
    QTest::keyClick(dialog.OK, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenCells(), (view::CellCounts{100, 80}));
    EXPECT_EQ(dialog.chosenFabric().index, 0);
    EXPECT_EQ(dialog.chosenFabric().fabric.countSize, 0.91);

    open();
    dialog.Button2->setFocus();
    QTest::keyClick(dialog.Button2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SizeDialogTest, ATypedSizeIsKeptInHundredthsAndFindsItsFabric) {
    open();
    typeCountSize(dialog, "2.5");
    EXPECT_EQ(dialog.SEdit1mm->value(), 250);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("  2.50"));
    EXPECT_EQ(dialog.Comb1->currentText(), QStringLiteral("自由サイズ"));
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("横 25.0cm"));

    typeCountSize(dialog, "0.91");
    EXPECT_EQ(dialog.Comb1->currentText(), QStringLiteral("1センチ11目"));

    typeCountSize(dialog, "abc");
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("  0.91"));
    EXPECT_EQ(dialog.SEdit1mm->value(), 91);
}

TEST_F(SizeDialogTest, AFreeSizeFabricKeepsTheTypedSizeAndChangesOnlyTheUnit) {
    open();
    typeCountSize(dialog, "2.5");
    chooseFabric(dialog, 3);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("  2.50"));
    EXPECT_EQ(dialog.SEdit1mm->value(), 250);
    EXPECT_EQ(dialog.L1mm->text(), QStringLiteral("cm"));
    EXPECT_EQ(dialog.Panel1->text(), QStringLiteral("横 2.50m"));
    for (QLabel* shown : {dialog.Panel1, dialog.Panel2, dialog.L1mm}) {
        EXPECT_EQ(announced(shown), shown->text()) << shown->objectName().toStdString();  // as shown
    }
}

TEST_F(SizeDialogTest, TheFocusIsWhereTheDialogWasOpenedFrom) {
    const std::pair<int, QWidget*> expected[] = {{0, dialog.OK}, {1, dialog.SEdit1}, {2, dialog.SEdit2}};
    for (const auto& [focus, control] : expected) {
        open(focus);
        EXPECT_EQ(dialog.focusWidget(), control) << focus;
        dialog.reject();
    }
}

TEST_F(SizeDialogTest, AnAreaWithoutCellsIsRefused) {
    EXPECT_FALSE(dialog.FormShow(0, view::CellCounts{0, 120}, kNineCounts));
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, QStringLiteral("キャンバスサイズが不正です"));
}

}  // namespace
