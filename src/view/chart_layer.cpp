#include "view/chart_layer.h"

#include <QPainter>

#include <cmath>

namespace view {

ChartLayer::ChartLayer(QWidget* parent) : QWidget(parent) {}

void ChartLayer::setPixmap(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void ChartLayer::fillCell(const QRect& cell, const QColor& colour) {
    if (picture_.isNull()) return;
    {
        QPainter painter(&picture_);
        painter.fillRect(cell, colour);
    }
    update(shownRect(cell));
}

// The picture is drawn without smoothing, so each screen pixel takes the picture pixel under its
// centre; a pixel of margin covers the rounding of that choice.
QRect ChartLayer::shownRect(const QRect& pixels) const {
    const double across = double(width()) / picture_.width();
    const double down = double(height()) / picture_.height();
    const int left = int(std::floor(pixels.left() * across)) - 1;
    const int top = int(std::floor(pixels.top() * down)) - 1;
    const int right = int(std::ceil((pixels.right() + 1) * across)) + 1;
    const int bottom = int(std::ceil((pixels.bottom() + 1) * down)) + 1;
    return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(rect());
}

// The picture shows as it is, also while the panel is disabled for a workbook export or import: a
// dimmed chart would look as if something had gone wrong with it.
void ChartLayer::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}

}  // namespace view
