#include "app/pen_reset.h"

#include "view/widget_hint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>

namespace app {

void resetPenAndHistory(QPlainTextEdit* Memo3, QAbstractButton* BitBtn1, int& penColourIndex,
                        const std::function<void()>& emptyHistory) {
    view::setHint(Memo3, noPenSwatchHint);
    view::setHint(BitBtn1, noPenPaintHint);
    Memo3->setPlainText(view::shortHint(noPenSwatchHint));
    QPalette swatch = Memo3->palette();
    swatch.setColor(QPalette::Base, QApplication::palette(Memo3).color(QPalette::Base));
    Memo3->setPalette(swatch);
    penColourIndex = -1;
    emptyHistory();
}

}  // namespace app
