#pragma once

#include <QString>

class QAbstractButton;
class QPlainTextEdit;

namespace app {

// The hints of the pen colour swatch and of "塗る" while no pen colour is picked.
inline const QString noPenSwatchHint = "ペンの色|準備として、図案から「SHIFT+クリック」で色取得してください。";
inline const QString noPenPaintHint =
    "|<塗る> クリックすると図案に色を塗ります。準備として、図案から「SHIFT+クリック」で色取得してください。";

// The swatch once no pen colour is picked, as after a new picture or chart: Memo3 reads "ペンの色"
// on the plain text background, and both tell how to pick one.
void showNoPen(QPlainTextEdit* Memo3, QAbstractButton* BitBtn1);

}  // namespace app
