// The main window's controls: where they sit, what they say and how they look at design size.

#include "app/main_window.h"
#include "view/colours.h"
#include "app/page_control.h"
#include "app/status_line.h"
#include "app/window_look.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/rulers.h"
#include "view/placed_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>

namespace app {
namespace {

// A label names the control beside it for assistive technology too.
void nameBy(QWidget* control, const QLabel* label) { control->setAccessibleName(label->text()); }

QPushButton* tallButton(QWidget* parent, const char* name, const QString& text, int top) {
    auto* button = view::placeControl<QPushButton>(parent, name, text, QRect(2, top, 81, 80));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

void TForm1::createControls() {
    setObjectName("TForm1");
    // No fixed accessible name: a window is announced by its caption, which names the colour-code system.
    setWindowTitle(QStringLiteral("図案作成ツールTessaly"));
    setFont(windowFont());
    setAutoFillBackground(true);
    paintBackground(this, view::cream);
    resize(773, 725);

    Panel2 = view::placeControl<QWidget>(this, "Panel2", {}, QRect(0, 0, 765, 700));
    Panel2->setAutoFillBackground(true);
    paintBackground(Panel2, view::teal);

    StatusBar1 = new StatusLine(Panel2);
    StatusBar1->setGeometry(0, 0, 765, 17);

    Bt_c05 = view::placeControl<QPushButton>(Panel2, "Bt_c05", QStringLiteral("大きさを戻す"), QRect(6, 537, 89, 25));
    QFont small = Bt_c05->font();
    small.setPointSize(8);
    Bt_c05->setFont(small);
    Bt_c05->setEnabled(false);  // there is nothing to restore before a chart is made
    Bt_Oha = view::placeControl<QPushButton>(Panel2, "Bt_Oha", QStringLiteral("ヘルプ"), QRect(6, 576, 89, 25));
    Bt_End = view::placeControl<QPushButton>(Panel2, "Bt_End", QStringLiteral("終了"), QRect(16, 632, 65, 27));
    QFont endFont = Bt_End->font();
    endFont.setBold(true);
    endFont.setPointSize(10);
    Bt_End->setFont(endFont);

    PageControl1 = new PageControl(Panel2);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(5, 21, 89, 508);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PageControl1->addTab(TabSheet1, QStringLiteral("図案"));
    PageControl1->addTab(TabSheet2, QStringLiteral("色塗り"));

    La_code = view::placeControl<QLabel>(TabSheet1, "La_code", QStringLiteral("色コード"), QRect(4, 4, 78, 14));
    Comb_code = view::placeControl<QComboBox>(TabSheet1, "Comb_code", {}, QRect(2, 19, 80, 20));
    Comb_code->setMaxVisibleItems(5);
    nameBy(Comb_code, La_code);
    Bt2_main = view::placeControl<QPushButton>(TabSheet1, "Bt2_main", QStringLiteral("図案作成"), QRect(2, 46, 80, 30));
    QFont mainFont = Bt2_main->font();
    mainFont.setUnderline(true);
    Bt2_main->setFont(mainFont);
    setTextColour(Bt2_main, view::maroon);
    Ck_Bx1 = view::placeControl<QCheckBox>(TabSheet1, "Ck_Bx1", QStringLiteral("なめらか化"), QRect(4, 82, 78, 17));
    Ck_Bx2 = view::placeControl<QCheckBox>(TabSheet1, "Ck_Bx2", QStringLiteral("境目強調"), QRect(4, 101, 78, 17));
    Ck_Bx3 = view::placeControl<QCheckBox>(TabSheet1, "Ck_Bx3", QStringLiteral("見た目重視"), QRect(4, 120, 78, 17));
    La_max = view::placeControl<QLabel>(TabSheet1, "La_max", QStringLiteral("色の数（最大）"), QRect(4, 143, 78, 14));
    Sp_Ed1 = view::placeControl<QSpinBox>(TabSheet1, "Sp_Ed1", {}, QRect(4, 158, 76, 26));
    Sp_Ed1->setRange(10, 56);
    Sp_Ed1->setValue(45);
    QFont spinFont = Sp_Ed1->font();
    spinFont.setPointSize(12);
    Sp_Ed1->setFont(spinFont);
    nameBy(Sp_Ed1, La_max);
    La_result = view::placeControl<QLabel>(TabSheet1, "La_result", QStringLiteral("色の数（結果）"), QRect(4, 190, 78, 14));
    Ed_cnt1 = view::placeControl<QLineEdit>(TabSheet1, "Ed_cnt1", {}, QRect(4, 205, 76, 21));
    Ed_cnt1->setReadOnly(true);
    nameBy(Ed_cnt1, La_result);

    Panel4 = view::placeControl<QWidget>(TabSheet1, "Panel4", {}, QRect(2, 235, 80, 136));
    Bt_Put = view::placeControl<QPushButton>(Panel4, "Bt_Put", QStringLiteral("貼付け"), QRect(2, 2, 76, 25));
    Ck_BxP = view::placeControl<QCheckBox>(Panel4, "Ck_BxP", QStringLiteral("同じ大きさ"), QRect(4, 29, 74, 17));
    Bt_copy = view::placeControl<QPushButton>(Panel4, "Bt_copy", QStringLiteral("コピー"), QRect(2, 52, 76, 25));
    Ck_BxC = view::placeControl<QCheckBox>(Panel4, "Ck_BxC", QStringLiteral("アイコン"), QRect(4, 79, 74, 17));
    Bt_Clr = view::placeControl<QPushButton>(Panel4, "Bt_Clr", QStringLiteral("クリア"), QRect(2, 104, 76, 25));
    Bt2_Excel = view::placeControl<QPushButton>(TabSheet1, "Bt2_Excel", QStringLiteral("Excel出力"), QRect(2, 385, 80, 25));
    Bt2_Excel_in = view::placeControl<QPushButton>(TabSheet1, "Bt2_Excel_in", QStringLiteral("Excel読込"), QRect(2, 415, 80, 25));
    Bt2_Pdf = view::placeControl<QPushButton>(TabSheet1, "Bt2_Pdf", QStringLiteral("PDF出力"), QRect(2, 445, 80, 25));

    Memo3 = view::placeControl<QPlainTextEdit>(TabSheet2, "Memo3", {}, QRect(2, 4, 81, 58));
    Memo3->setReadOnly(true);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->setAccessibleName(QStringLiteral("ペンの色"));
    BitBtn1 = tallButton(TabSheet2, "BitBtn1", QStringLiteral("塗る"), 66);
    BitBtn2 = tallButton(TabSheet2, "BitBtn2", QStringLiteral("ペン色取得"), 148);
    BitBtn3 = tallButton(TabSheet2, "BitBtn3", QStringLiteral("元に戻す"), 230);
    BitBtn4 = tallButton(TabSheet2, "BitBtn4", QStringLiteral("元に戻すを戻す"), 312);
    QFont narrow = BitBtn4->font();  // the longest caption, still in one line across the button
    narrow.setPixelSize(10);
    BitBtn4->setFont(narrow);

    ScrollBox1 = view::placeControl<QScrollArea>(Panel2, "ScrollBox1", {}, QRect(100, 20, 657, 672));
    ScrollBox1->setAccessibleName(QStringLiteral("図案エリア"));
    auto* scrolled = new QWidget;
    scrolled->setAutoFillBackground(true);
    paintBackground(scrolled, view::moneyGreen);
    rulers = new view::Rulers(scrolled);
    pictureArea = new view::PictureAreaView(scrolled);
    ScrollBox1->setWidget(scrolled);
    paintBackground(ScrollBox1->viewport(), view::moneyGreen);
    ScrollBox1->setWidgetResizable(false);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    for (const auto& [name, text] : {std::pair{"pop1peast", "貼付け"}, std::pair{"pop1open", "画像ファイルを開く…"},
                                     std::pair{"pop1Copy", "コピー"}, std::pair{"pop1size", "サイズ・カウント変更"},
                                     std::pair{"pop1clr", "クリア"}, std::pair{"pop1chg", "画面切替"}}) {
        QAction* item = PopupMenu1->addAction(QString::fromUtf8(text));
        item->setObjectName(QString::fromLatin1(name));
    }
    PopupMenu1->findChild<QAction*>("pop1open")->setShortcut(QKeySequence::Open);

    Timer_end1 = new QTimer(this);
    Timer_end1->setObjectName("Timer_end1");
    Timer_end1->setSingleShot(true);
    Timer_end1->setInterval(6000);
}

}  // namespace app
