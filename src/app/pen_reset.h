#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QPlainTextEdit;

namespace app {

// The hints of the pen colour swatch and of "塗る" while no pen colour is picked.
inline const QString noPenSwatchHint = "ペンの色|準備として、図案から「SHIFT+クリック」で色取得してください。";
inline const QString noPenPaintHint =
    "|<塗る> クリックすると図案に色を塗ります。準備として、図案から「SHIFT+クリック」で色取得してください。";

// Forgets the pen colour and the painting history, as before a new picture or chart: the swatch
// Memo3 reads "ペンの色" on the plain text background, the pen colour index becomes -1 and
// emptyHistory clears the undo history.
void resetPenAndHistory(QPlainTextEdit* Memo3, QAbstractButton* BitBtn1, int& penColourIndex,
                        const std::function<void()>& emptyHistory);

}  // namespace app
