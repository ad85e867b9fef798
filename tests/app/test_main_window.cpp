// The main window as the program starts it, driven through its real controls.

#include "app/faded_caption.h"
#include "app/page_control.h"
#include "app/window_fixture.h"
#include "view/rulers.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

namespace {

namespace fs = std::filesystem;

using MainWindowTest = WindowTest;

// The area's design size and cell counts belong to the picture area widget (tests/view).
TEST_F(MainWindowTest, FirstRunStartsFromTheSettingsAndCreatesTheUsageRecord) {
    const auto window = start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("図案作成ツールTessaly(テサリー) DMC刺繍糸"));
    EXPECT_EQ(window->Sp_Ed1->value(), 45);
    EXPECT_FALSE(window->Ck_Bx1->isChecked());
    EXPECT_FALSE(window->Ck_BxP->isChecked());
    EXPECT_TRUE(window->Ed_cnt1->text().isEmpty());
    EXPECT_TRUE(window->pictureArea->panel()->sourceLayer()->isHidden());
    EXPECT_TRUE(window->pictureArea->panel()->chartLayer()->isHidden());
    EXPECT_FALSE(window->Bt_c05->isEnabled());
    // Nothing to chart yet; a workbook can always be read. Pasting and charting bring the rest.
    EXPECT_TRUE(app::isCaptionFaded(window->Bt2_main));
    EXPECT_FALSE(app::isCaptionFaded(window->Bt2_Excel_in));
    EXPECT_EQ(window->document().fabric().name, "1センチ11目");

    const platform::IniFile written = record();
    EXPECT_EQ(written.readString("user00", "times_all", ""), "1");
    EXPECT_EQ(written.readString("ap", "var", ""), "100");
    for (const char* key : {"start", "time_s", "name"}) EXPECT_NE(written.readString("user00", key, ""), "") << key;
    EXPECT_EQ(written.readString("user00", "time_e", ""), "");

    window->close();
    EXPECT_NE(record().readString("user00", "time_e", ""), "");
    EXPECT_EQ(record().readString("option", "put_op", ""), "0");
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(MainWindowTest, EveryControlHasANameForAssistiveTechnology) {
    const auto window = start();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool operable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
                              qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QLineEdit*>(control) ||
                              qobject_cast<QPlainTextEdit*>(control);
        if (operable && control->parentWidget() && !qobject_cast<QAbstractSpinBox*>(control->parentWidget())) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, SavedOptionsAreRestoredAndKeptWhenNoChartWasMade) {
    writeRecord("[option]\nIni_No=1\nop1=0\nop2=1\nC_def=12\nsize_size=  1.81\nsize_scale=mm\n"
                "count_x=300\ncount_y=20\ndata_dir=/charts\nput_op=1\n");
    auto window = start();
    EXPECT_EQ(window->Comb_code->currentText(), QStringLiteral("アイコン"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("図案作成ツールTessaly(テサリー) アイコン16色"));
    EXPECT_FALSE(window->Ck_Bx1->isChecked());  // the system would check it; the saved choice wins
    EXPECT_TRUE(window->Ck_Bx2->isChecked());
    EXPECT_EQ(window->Sp_Ed1->maximum(), 16);
    EXPECT_EQ(window->Sp_Ed1->value(), 12);
    EXPECT_EQ(window->document().fabric().name, "14カウント");
    EXPECT_EQ(window->pictureArea->cellCounts(), (view::CellCounts{200, 20}));
    EXPECT_TRUE(window->Ck_BxP->isChecked());

    window->Ck_BxP->click();
    window->close();
    const platform::IniFile written = record();
    EXPECT_EQ(written.readString("option", "put_op", ""), "0");
    EXPECT_EQ(written.readString("option", "count_x", ""), "300");
    EXPECT_EQ(written.readString("option", "data_dir", ""), "/charts");
}

TEST_F(MainWindowTest, ShiftOnTheEndButtonForgetsTheSavedOptions) {
    writeRecord("[option]\nIni_No=1\nput_op=1\n");
    const auto window = start();
    window->show();
    QTest::mousePress(window->Bt_End, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(record().readString("option", "Ini_No", "gone"), "gone");
    EXPECT_EQ(record().readString("option", "put_op", "gone"), "gone");
}

TEST_F(MainWindowTest, BrokenEnvironmentsSayWhatIsWrongAndLeaveOnlyTheEndButton) {
    const auto noRecord = start("");
    EXPECT_EQ(noRecord->windowTitle(), QStringLiteral("*** システム環境が異常です ***"));
    EXPECT_FALSE(noRecord->PageControl1->isEnabled());
    EXPECT_FALSE(noRecord->Bt_Oha->isEnabled());
    EXPECT_FALSE(noRecord->Bt_c05->isEnabled());
    EXPECT_TRUE(noRecord->Bt_End->isEnabled());
    EXPECT_TRUE(dialogs_.messages().empty());

    fs::remove(folder("cfg") + "/Tessaly.ini");
    const auto noSettings = start();
    EXPECT_EQ(noSettings->windowTitle(), QStringLiteral("＊＊＊環境ファイルが異常です。＊＊＊"));
    EXPECT_TRUE(noSettings->PageControl1->isHidden());
    EXPECT_FALSE(noSettings->Bt_c05->isEnabled());
    EXPECT_EQ(dialogs_.messages(), (std::vector<view::Message>{{"Tessaly", "Tessaly.iniなし", view::BoxKind::Custom}}));

    // The rulers and an empty picture area of the first run's size are drawn all the same.
    noSettings->show();
    const QImage shown = noSettings->ScrollBox1->viewport()->grab().toImage();
    const view::PicturePanel* panel = noSettings->pictureArea->panel();
    EXPECT_EQ(panel->cellCounts(), (view::CellCounts{150, 130}));
    const QPoint areaMiddle = panel->mapTo(noSettings->ScrollBox1->viewport(), panel->rect().center());
    EXPECT_EQ(shown.pixelColor(areaMiddle), QColor(Qt::white));
    const auto* ruler = noSettings->rulers->findChild<QLabel*>("Im_x1");
    const QPoint rulerStart = ruler->mapTo(noSettings->ScrollBox1->viewport(), QPoint(0, ruler->height() - 2));
    EXPECT_EQ(shown.pixelColor(rulerStart), QColor(Qt::black));  // the count-0 mark
}

TEST_F(MainWindowTest, SettingsWithoutAColourCodeSystemSayThatThereIsNoColourCodeFile) {
    platform::IniFile settings = platform::IniFile::parse("[size]\nName0=1センチ11目\nSize0=0.91\nScale0=mm\n");
    ASSERT_FALSE(settings.save(folder("cfg") + "/Tessaly.ini").has_value());
    const auto window = start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("＊＊＊環境ファイルが異常です。＊＊＊"));
    EXPECT_EQ(dialogs_.messages(),
              (std::vector<view::Message>{{"Tessaly", "カラーコードファイルなし", view::BoxKind::Custom}}));
}

TEST_F(MainWindowTest, TheWindowIsCaptionedExactlyAsTheProgramNamesIt) {
    // Once an application display name is set, the platform appends it to every window's caption; the
    // program sets none, so the display name follows the application name.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);

    const auto window = start();
    window->show();
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("図案作成ツールTessaly(テサリー) DMC刺繍糸"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->text(QAccessible::Name), window->windowTitle());
}

TEST_F(MainWindowTest, ChoosingAnotherSystemBringsItsSettings) {
    const auto window = start();
    window->Comb_code->setCurrentIndex(1);
    emit window->Comb_code->activated(1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("図案作成ツールTessaly(テサリー) アイコン16色"));
    EXPECT_EQ(window->Sp_Ed1->maximum(), 16);
    EXPECT_TRUE(window->Ck_Bx1->isChecked());

    QTest::mouseClick(window->findChild<QLabel*>("La_max"), Qt::LeftButton);
    EXPECT_EQ(window->Sp_Ed1->value(), 16);

    // A system whose table is gone is told plainly; the window keeps what it shows.
    fs::remove(folder("cfg") + "/DMC.txt");
    window->Comb_code->setCurrentIndex(0);
    emit window->Comb_code->activated(0);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("カラーコードファイルなし")});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("図案作成ツールTessaly(テサリー) アイコン16色"));
}

}  // namespace
