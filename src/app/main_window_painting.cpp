// The painting tab: the mouse on the chart picks, paints, undoes and redoes; entering the tab puts
// the chart's own colour-code system back, leaving it brings the colour key up to date.

#include "app/main_window.h"

#include "app/message_boxes.h"
#include "app/page_control.h"
#include "edit/chart_hit.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/widget_hint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app {
namespace {

QColor qColour(platform::Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

}  // namespace

bool TForm1::paintingOnChart() const {
    return PageControl1->currentIndex() == paintingTab && !pictureArea->panel()->chartLayer()->isHidden();
}

void TForm1::Panel1MouseDown(const QMouseEvent& event) {
    if (!paintingOnChart()) return;
    const view::ChartLayer* chartImage = pictureArea->panel()->chartLayer();
    const QPoint at = event.position().toPoint();
    const edit::ShownChart shown{chartImage->width(), chartImage->height(), chartImage->pixmap().width(),
                                 chartImage->pixmap().height()};
    const std::optional<edit::CellPosition> cell = edit::cellAtPoint(document_.model(), shown, at.x(), at.y());
    if (!cell || event.type() == QEvent::MouseButtonDblClick) return;

    const Qt::KeyboardModifiers keys = event.modifiers();
    const bool ctrl = keys & Qt::ControlModifier;
    const bool alt = keys & Qt::AltModifier;
    if (event.button() != Qt::LeftButton || (ctrl && alt && !(keys & Qt::ShiftModifier))) {
        refreshControls();
    } else if (keys & Qt::ShiftModifier) {
        pickPen(*cell);
    } else if (ctrl) {
        BitBtn3Click();
    } else if (alt) {
        BitBtn4Click();
    } else {
        showEdit(document_.paint(*cell));
    }
}

void TForm1::pickPen(edit::CellPosition cell) {
    if (const std::optional<edit::PenDisplay> pen = document_.pickPen(cell)) {
        QPalette palette = Memo3->palette();
        palette.setColor(QPalette::Base, qColour(pen->colour));
        palette.setColor(QPalette::Text, qColour(pen->textColour));
        Memo3->setPalette(palette);
        Memo3->setPlainText(QString::fromStdString(pen->text));
        view::setHint(Memo3, QStringLiteral("ペンの色|この色で、図案に色を塗ります。"));
        view::setHint(BitBtn1, QStringLiteral("|<塗る> クリックすると図案に色を塗ります。"));
    }
    refreshControls();
}

// Undo and redo act on the history itself, not through a click at the chart's first cell, which
// made the buttons do nothing whenever that cell was empty.
void TForm1::BitBtn3Click() {
    if (paintingOnChart()) showEdit(document_.undo());
}

void TForm1::BitBtn4Click() {
    if (paintingOnChart()) showEdit(document_.redo());
}

void TForm1::showEdit(std::optional<edit::CellPosition> changed) {
    if (!changed) return;
    const chart::ChartModel& model = document_.model();
    const QRect cell(changed->column * model.cellWidth, changed->row * model.cellHeight, model.cellWidth,
                     model.cellHeight);
    pictureArea->panel()->chartLayer()->fillCell(cell, qColour(model.cellColour(changed->column, changed->row)));
    refreshControls();
}

void TForm1::PageControl1Change(int index) {
    pictureArea->panel()->chartLayer()->show();
    if (index == paintingTab && activeTab_ != paintingTab) {
        if (!enterPaintingTab()) {
            const QSignalBlocker quiet(PageControl1);
            PageControl1->setCurrentIndex(activeTab_);
            refreshControls();
            return;
        }
    } else if (index != paintingTab && activeTab_ == paintingTab) {
        leavePaintingTab();
    }
    activeTab_ = index;
    refreshControls();
}

bool TForm1::enterPaintingTab() {
    const QString word = QStringLiteral("色塗り");
    const document::PaintingEntry entry = document_.enterPainting();
    if (!entry.refusal.empty()) {
        ShowMessageBox(QString::fromStdString(entry.refusal), word);
        return false;
    }
    if (entry.systemRestored) {
        ShowMessageBox(QStringLiteral("色コードを元にもどします。"), word);
        showSystem();
    }
    savedTitle_ = windowTitle();
    pictureArea->panel()->sourceLayer()->hide();
    return true;
}

void TForm1::leavePaintingTab() {
    setWindowTitle(savedTitle_);
    savedTitle_.clear();
    pictureArea->panel()->sourceLayer()->show();
    if (const std::optional<int> colours = document_.leavePainting()) Ed_cnt1->setText(QString::number(*colours));
    if (pictureArea->canRestoreSize()) pictureArea->restoreSize();
}

}  // namespace app
