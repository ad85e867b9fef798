#include "view/picture_area_view.h"

#include "view/click_label.h"
#include "view/placed_control.h"
#include "view/size_text.h"
#include "view/widget_hint.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>

namespace view {
namespace {

const QString kSizeHint = QStringLiteral("クリックでサイズ・カウント変更|クリックすると、サイズとカウント(布の種類など)を変更できます。");

// A little chart, four by four cells, to say that the text is about the chart's size.
QPixmap chartIcon() {
    constexpr int kCell = 4;
    QPixmap pixmap(4 * kCell + 1, 4 * kCell + 1);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if ((row + column) % 2 == 0) painter.fillRect(column * kCell, row * kCell, kCell, kCell, QColor(200, 60, 60));
    painter.setPen(Qt::gray);
    for (int line = 0; line <= 4; ++line) {
        painter.drawLine(line * kCell, 0, line * kCell, 4 * kCell);
        painter.drawLine(0, line * kCell, 4 * kCell, line * kCell);
    }
    return pixmap;
}

ClickLabel* sizeLabel(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* label = new ClickLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setCursor(Qt::PointingHandCursor);
    setHint(label, kSizeHint);
    return label;
}

}  // namespace

PictureAreaView::PictureAreaView(QWidget* parent, PicturePanel::Clock clock) : QWidget(parent) {
    Panel1 = new PicturePanel(std::move(clock), this);
    P_size = new QFrame(this);
    P_size->setObjectName("P_size");
    P_size->setAccessibleName(QStringLiteral("サイズ・カウント変更"));
    setHint(P_size, kSizeHint);
    Image3 = sizeLabel(P_size, "Image3", QStringLiteral("サイズ・カウント変更"));
    Image3->setPixmap(chartIcon());
    L_size = sizeLabel(P_size, "L_size", QString());
    QFont font = L_size->font();
    font.setPointSize(12);
    L_size->setFont(font);
    auto* row = new QHBoxLayout(P_size);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(Image3);
    row->addWidget(L_size);
    connect(Image3, &ClickLabel::clicked, this, [this] { emit sizeDialogRequested(0); });
    connect(L_size, &ClickLabel::clicked, this, [this] { emit sizeDialogRequested(0); });
    connect(Panel1, &PicturePanel::areaSizeChanged, this, [this] {
        refreshSizeTexts();
        emit areaResized(panelSize());
    });
}

QPoint PictureAreaView::clientOffset() const { return Panel1->pos() + Panel1->contentsRect().topLeft(); }

void PictureAreaView::setCellSize(CellSize cells) { Panel1->setCellSize(cells); }

void PictureAreaView::showCells(CellCounts cells) {
    const AreaSize panel = panelForCells(cells, Panel1->cellSize(), Panel1->frame());
    Panel1->setAreaSize(QSize(panel.width, panel.height));
}

void PictureAreaView::setFabric(const palette::Fabric& fabric) {
    fabric_ = fabric;
    refreshSizeTexts();
}

void PictureAreaView::hideSizeLine() { P_size->hide(); }

void PictureAreaView::refreshSizeTexts() {
    const CellCounts cells = cellCounts();
    const QString text = QString::fromStdString(sizeText(fabric_, cells));
    setCaption(L_size, text);
    P_size->adjustSize();
    P_size->move(Panel1->x(), Panel1->y() + Panel1->height());
    resize(std::max(Panel1->width(), P_size->width()), P_size->geometry().bottom() + 1);
    if (cells != shownCells_) {
        shownCells_ = cells;
        emit cellCountsChanged(cells);
    }
    if (canRestoreSize() != restoreShown_) {
        restoreShown_ = !restoreShown_;
        emit restoreAvailabilityChanged(restoreShown_);
    }
}

void PictureAreaView::recordChartSize() {
    chartPanelSize_ = panelSize();
    refreshSizeTexts();
}

void PictureAreaView::forgetChartSize() {
    chartPanelSize_ = QSize(0, 0);
    refreshSizeTexts();
}

bool PictureAreaView::canRestoreSize() const {
    return canRestore(AreaSize{chartPanelSize_.width(), chartPanelSize_.height()},
                      AreaSize{panelSize().width(), panelSize().height()});
}

void PictureAreaView::restoreSize() {
    if (chartPanelSize_.isEmpty()) return;
    // The layers fill the panel's client area, so the chart picture returns with it.
    Panel1->setAreaSize(chartPanelSize_);
}

}  // namespace view
