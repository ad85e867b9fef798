#include "view/rulers.h"

#include "chart/chart_limits.h"
#include "view/click_label.h"
#include "view/placed_control.h"
#include "view/widget_hint.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace view {
namespace {

const QColor kCream(255, 251, 240);

// Room above the horizontal ruler and beside the vertical one for the cell counts.
constexpr int kCountRow = 16;
constexpr int kBeside = 34;
constexpr int kRulerDepth = 30;

QFrame* rulerPanel(QWidget* parent, const char* name, const QString& accessibleName, QRect geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setAccessibleName(accessibleName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(geometry);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kCream);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* rulerImage(QFrame* panel, const char* name, const QString& accessibleName) {
    auto* image = new QLabel(panel);
    image->setObjectName(name);
    image->setAccessibleName(accessibleName);
    image->setGeometry(panel->contentsRect());
    return image;
}

// A cell count is announced as it is shown, with what it counts as its description.
ClickLabel* countLabel(QWidget* parent, const char* name, const QString& counts, const QString& hint, QRect geometry) {
    auto* label = new ClickLabel(parent);
    setCaption(label, QStringLiteral("200"));
    label->setObjectName(name);
    label->setAccessibleDescription(counts);
    setHint(label, hint);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// A ruler is drawn once onto its own picture, like a printed scale.
QPixmap blankRuler(const QLabel* image) {
    QPixmap pixmap(image->size());
    pixmap.fill(kCream);
    return pixmap;
}

void startPainting(QPainter& painter, const QWidget* ruler) {
    painter.setPen(Qt::black);
    QFont font = ruler->font();
    font.setPointSize(8);
    painter.setFont(font);
}

void drawLabel(QPainter& painter, const RulerLabel& label) {
    painter.drawText(QRect(label.x, label.y, 200, 40), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(label.text));
}

}  // namespace

Rulers::Rulers(QWidget* parent) : QWidget(parent) {
    Pa_x1 = rulerPanel(this, "Pa_x1", QStringLiteral("横メモリ"), QRect(kBeside, kCountRow, 610, kRulerDepth));
    Im_x1 = rulerImage(Pa_x1, "Im_x1", QStringLiteral("横メモリ"));
    Pa_y1 = rulerPanel(this, "Pa_y1", QStringLiteral("縦メモリ"),
                       QRect(0, kCountRow + kRulerDepth + 4, kRulerDepth, 609));
    Im_y1 = rulerImage(Pa_y1, "Im_y1", QStringLiteral("縦メモリ"));
    La_mx = countLabel(this, "La_mx", QStringLiteral("横サイズ"),
                       QStringLiteral("クリックで変更できます。|<横サイズ> クリックするとサイズ変更画面を表示します。"),
                       QRect(kBeside, 0, 60, kCountRow));
    La_my = countLabel(this, "La_my", QStringLiteral("縦サイズ"),
                       QStringLiteral("クリックで変更できます。|<縦サイズ> クリックするとサイズ変更画面を表示します。"),
                       QRect(0, Pa_y1->y() - kCountRow - 2, kRulerDepth, kCountRow));
    connect(La_mx, &ClickLabel::clicked, this, [this] { emit sizeDialogRequested(1); });
    connect(La_my, &ClickLabel::clicked, this, [this] { emit sizeDialogRequested(2); });
    resize(Pa_x1->geometry().right() + 1, Pa_y1->geometry().bottom() + 1);
}

RulerReading Rulers::draw() {
    const RulerReading reading = readRulers(Im_x1->width(), Im_y1->height(), cells_);
    cells_ = reading.cells;
    if (reading.horizontalDrawn) drawHorizontal(cells_.width);
    if (reading.verticalDrawn) drawVertical(cells_.height);
    return reading;
}

QPoint Rulers::zeroMark() const { return QPoint(Pa_x1->x() + Im_x1->x(), Pa_y1->y() + Im_y1->y()); }

void Rulers::showCellCounts(CellCounts cells) {
    setCaption(La_mx, QString::number(cells.across));
    setCaption(La_my, QString::number(cells.down));
}

void Rulers::drawHorizontal(int step) {
    QPixmap pixmap = blankRuler(Im_x1);
    QPainter painter(&pixmap);
    startPainting(painter, this);
    const int height = pixmap.height();
    for (int count = 0; count <= chart::kMaxCells; ++count) {
        const int x = count * step;
        painter.drawLine(x, height, x, height - horizontalTickLength(count));
    }
    for (const RulerLabel& label : horizontalRulerLabels(step, height)) drawLabel(painter, label);
    painter.end();
    Im_x1->setPixmap(pixmap);
}

void Rulers::drawVertical(int step) {
    QPixmap pixmap = blankRuler(Im_y1);
    QPainter painter(&pixmap);
    startPainting(painter, this);
    const int width = pixmap.width();
    for (int count = 0; count <= chart::kMaxCells; ++count) {
        const int y = count * step;
        painter.drawLine(width, y, width - verticalTickLength(count), y);
    }
    for (const RulerLabel& label : verticalRulerLabels(step)) drawLabel(painter, label);
    painter.end();
    Im_y1->setPixmap(pixmap);
}

}  // namespace view
