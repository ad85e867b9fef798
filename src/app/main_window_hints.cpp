// The main window's hints: the short part is the tooltip, the long part shows in the status line.
// Those of the check boxes follow their state, so that the status line says what the box does now.

#include "app/main_window.h"
#include "view/widget_hint.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace app {

// The hint of a check box says what it does in the state it is in.
void hintByState(QCheckBox* box, const QString& checked, const QString& unchecked) {
    view::setHint(box, box->isChecked() ? checked : unchecked);
}

void TForm1::setHints() {
    const auto both = [](QWidget* a, QWidget* b, const QString& hint) {
        view::setHint(a, hint);
        view::setHint(b, hint);
    };
    both(La_code, Comb_code, QStringLiteral("色コードを選択します。|<色コード> 登録されている色コード選択します。"));
    view::setHint(Bt2_main, QStringLiteral("図案を作成します。|<図案作成> 原画(写真)を色コードを使って、指定された色数以下の図案を作成します。"));
    both(La_max, Sp_Ed1, QStringLiteral("色数の最大値を設定します。|<色の数(最大)> 図案はこの設定値よりも少ない色の種類になります。"));
    both(La_result, Ed_cnt1, QStringLiteral("作成した図案の色数です。|<色数(結果)> 作成した図案の色数(色の種類の数)です。"));
    view::setHint(Bt_Put, QStringLiteral("クリップボードから原画を貼付けます。|<貼付け> 原画(写真など)を貼付けます。貼付ける前に、"
                                         "絵ソフト(ペイントなど)で図案にしたい絵を「コピー」してください。"));
    // A menu item says its short part as a tooltip and its long part in the status line, as buttons do;
    // assistive technology names it by its caption.
    QAction* open = PopupMenu1->findChild<QAction*>("pop1open");
    const QString openHint = QStringLiteral("画像ファイルから原画を開きます。|<画像ファイルを開く> 原画(写真など)の画像ファイル"
                                            "(PNG、JPEG、BMP)を開きます。画像ファイルを画面にドロップしても開けます。");
    open->setToolTip(view::shortHint(openHint));
    open->setStatusTip(view::longHint(openHint));
    view::setHint(Bt_copy, QStringLiteral("図案をクリップボードにコピーします。|<コピー> 図案(絵)をコピーます。絵ソフト(ペイントなど)に"
                                          "「貼付け」て保存してください。図案全体は「Excel出力」で保存します。"));
    view::setHint(Bt_Clr, QStringLiteral("図案または原画をクリアします。|<クリア> 図案または原画をクリアします。"));
    view::setHint(Bt2_Excel, QStringLiteral("図案をExcelに出力します。|<Excel出力> カラー、記号図案をExcelに出力し、表示します。"
                                            "図案を印刷するには、ここで作成したExcelを印刷してください。"));
    view::setHint(Bt2_Excel_in, QStringLiteral("図案をExcelから読込みます。|<Excel読込> Tessalyで作成したExcelから、図案を読込みます。"
                                               "「色塗り」で図案の修正が可能です。"));
    view::setHint(Bt2_Pdf, QStringLiteral("図案をPDFに出力します。|<PDF出力> 表紙、色の一覧、記号図案、カラー図案をA4のPDFに出力します。"
                                          "図案を印刷したり、タブレットで見たりできます。"));
    view::setHint(Bt_End, QStringLiteral("終了します。|<終了> 画面を閉じて、終了します。"));
    view::setHint(TabSheet2, QStringLiteral("|>>>>図案を手直しする場合は、図案を拡大すると便利です。<<<<"));
    view::setHint(Bt_c05, QStringLiteral("図案を元の大きさにもどします。|図案を元の大きさにもどします。"));
    view::setHint(Memo3, QStringLiteral("ペンの色|準備として、図案から「SHIFT+クリック」で色取得してください。"));
    view::setHint(BitBtn1, QStringLiteral("|<塗る> クリックすると図案に色を塗ります。準備として、図案から「SHIFT+クリック」で色取得してください。"));
    view::setHint(BitBtn2, QStringLiteral("|<ペン色取得> 「SHIFT+クリック」図案からで色を取得します。"));
    view::setHint(BitBtn3, QStringLiteral("|<元にもどす> 右クリックで、図案の色塗りを１づつ元に戻します。"));
    view::setHint(BitBtn4, QStringLiteral("|<元に戻すを戻す>「SHIFT+右クリック」で、元に戻した図案の色塗りを取りやめます。"));
}

void TForm1::Ck_Bx1Click() {
    hintByState(Ck_Bx1,
                QStringLiteral("なめらかな色変化にします。|<なめらか化ON> ON：なめらかな色変化にします。 "
                               "OFF：自然なグラデーションにします。(誤差分散法使用)"),
                QStringLiteral("自然なグラデーションにします。|<なめらか化OFF> OFF：自然なグラデーションにします。"
                               "(誤差分散法使用)  ON：なめらかな色変化にします。 "));
}

void TForm1::Ck_Bx2Click() {
    hintByState(Ck_Bx2,
                QStringLiteral("境目が強調されます。|<境目強調ON> ON：境目が強調されます。(割合の多い色を優先)  "
                               "OFF：自然な図案になります。(色の平均値を使用)"),
                QStringLiteral("自然な図案になります。|<境目強調OFF> OFF：自然な図案になります。(色の平均値を使用)  "
                               "ON：境目が強調されます。(割合の多い色を優先)"));
}

void TForm1::Ck_Bx3Click() {
    hintByState(Ck_Bx3,
                QStringLiteral("見た目に近い色を選びます。|<見た目重視ON> ON：見た目に近い色を選びます。(目に見える色の差が最小)  "
                               "OFF：いつもの方法で色を選びます。(近い色をまとめる)"),
                QStringLiteral("いつもの方法で色を選びます。|<見た目重視OFF> OFF：いつもの方法で色を選びます。(近い色をまとめる)  "
                               "ON：見た目に近い色を選びます。(目に見える色の差が最小)"));
}

void TForm1::Ck_BxCClick() {
    hintByState(Ck_BxC,
                QStringLiteral("1色1ドットでコピーします。|<アイコンON> ON：図案を1色1ドットでコピーします。(小)  "
                               "OFF：図案を1色3×3ドットでコピーします。(大)"),
                QStringLiteral("1色3×3ドットでコピーします。|<アイコンOFF> OFF：図案を1色3×3ドットでコピーします。(大)  "
                               "ON：図案を1色1ドットでコピーします。(小)"));
}

}  // namespace app
