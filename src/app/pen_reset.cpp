#include "app/pen_reset.h"

#include "view/widget_hint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>

namespace app {

void showNoPen(QPlainTextEdit* Memo3, QAbstractButton* BitBtn1) {
    view::setHint(Memo3, noPenSwatchHint);
    view::setHint(BitBtn1, noPenPaintHint);
    Memo3->setPlainText(view::shortHint(noPenSwatchHint));
    QPalette swatch = Memo3->palette();
    swatch.setColor(QPalette::Base, QApplication::palette(Memo3).color(QPalette::Base));
    Memo3->setPalette(swatch);
}

}  // namespace app
