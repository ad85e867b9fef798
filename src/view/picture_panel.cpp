#include "view/picture_panel.h"

#include "chart/chart_limits.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>

namespace view {
namespace {

// A photograph is smoothed as it is stretched over the panel. It shows as it is, also while the panel
// is disabled for a workbook export or import, as the chart does.
class SourceLayer : public QLabel {
public:
    explicit SourceLayer(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(contentsRect(), pixmap());
    }
};

template <typename Layer>
Layer* layer(QWidget* panel, const char* name, const QString& accessibleName) {
    auto* image = new Layer(panel);
    image->setObjectName(name);
    image->setAccessibleName(accessibleName);
    // The panel itself takes every mouse event: it resizes by its edges, and painting on the chart
    // needs the panel's coordinates whichever layer is shown.
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    image->hide();
    return image;
}

Qt::CursorShape edgeCursor(EdgeHit hit) {
    switch (hit) {
    case EdgeHit::Corner: return Qt::SizeFDiagCursor;
    case EdgeHit::Right: return Qt::SizeHorCursor;
    case EdgeHit::Bottom: return Qt::SizeVerCursor;
    case EdgeHit::None: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

PicturePanel::PicturePanel(Clock clock, QWidget* parent) : QFrame(parent), clock_(std::move(clock)) {
    setObjectName("Panel1");
    setAccessibleName(QStringLiteral("図案エリア"));
    // A raised bevel around a single border: four pixels a side.
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(1);
    setMidLineWidth(2);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    Image1 = layer<SourceLayer>(this, "Image1", QStringLiteral("原画"));
    Image2 = layer<ChartLayer>(this, "Image2", QStringLiteral("図案"));
    setStatusTip(QString::fromStdString(edgeHint(EdgeHit::None, false)));
}

void PicturePanel::setCellSize(CellSize cells) {
    cells_ = cells;
    setAreaSize(size());
}

CellCounts PicturePanel::cellCounts() const { return cellsInPanel(areaSize(), cells_, frame()); }

void PicturePanel::setAreaSize(QSize wanted) {
    const AreaSize limited = limitPanel(AreaSize{wanted.width(), wanted.height()}, cells_, frame());
    resize(limited.width, limited.height);
    // A hidden panel gets its resize event only when shown, but the layers must fit at once.
    Image1->setGeometry(contentsRect());
    Image2->setGeometry(contentsRect());
    emit areaSizeChanged();
}

void PicturePanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Image1->setGeometry(contentsRect());
    Image2->setGeometry(contentsRect());
}

EdgeHit PicturePanel::showEdge(QPoint at) {
    const EdgeHit hit = edgeAt(at.x(), at.y(), areaSize());
    setCursor(edgeCursor(hit));
    const bool sourceShown = !Image1->isHidden() && Image2->isHidden();
    const QString hint = QString::fromStdString(edgeHint(hit, sourceShown));
    if (hint != statusTip()) {
        setStatusTip(hint);
        // The status line shows a widget's tip when the mouse enters it; this one changes inside.
        QStatusTipEvent tip(hint);
        QCoreApplication::sendEvent(this, &tip);
    }
    return hit;
}

void PicturePanel::mousePressEvent(QMouseEvent* event) {
    drag_ = showEdge(event->position().toPoint());
    lastStep_ = clock_();
}

void PicturePanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    showEdge(at);
    if (event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier || drag_ == EdgeHit::None) return;
    const auto now = clock_();
    if (!dragPaceAllows(lastStep_, now)) return;
    const AreaSize dragged = dragToward(drag_, at.x(), at.y(), areaSize());
    setAreaSize(QSize(dragged.width, dragged.height));
    lastStep_ = now;
}

void PicturePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == EdgeHit::None) return;
    const QPoint at = event->position().toPoint();
    const AreaSize largest = panelForCells(CellCounts{chart::kMaxCells, chart::kMaxCells}, cells_, frame());
    const AreaSize dropped = dropAt(drag_, at.x(), at.y(), areaSize(), largest);
    drag_ = EdgeHit::None;
    setAreaSize(QSize(dropped.width, dropped.height));
}

}  // namespace view
