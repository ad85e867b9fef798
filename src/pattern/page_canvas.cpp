#include "pattern/page_canvas.h"

#include <QPageLayout>

#include <cmath>

namespace pattern {

PageCanvas::PageCanvas(QPagedPaintDevice& device, QPainter& painter, QString family, Paper paper)
    : device_(device),
      painter_(painter),
      family_(std::move(family)),
      paper_(paper),
      size_(paperSize(paper)),
      unitsPerMm_(device.logicalDpiX() / 25.4) {}

void PageCanvas::startPage(bool landscape) {
    landscape_ = landscape;
    const QPageLayout layout(QPageSize(paper_ == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    if (!device_.setPageLayout(layout)) failed_ = true;
    if (started_) {
        if (!device_.newPage()) failed_ = true;
        return;
    }
    started_ = true;
    if (!painter_.begin(&device_)) failed_ = true;
}

bool PageCanvas::finish() {
    const bool ended = !painter_.isActive() || painter_.end();
    return started_ && !failed_ && ended;
}

QFont PageCanvas::fontOfSize(double mm) const {
    QFont font(family_);
    font.setPixelSize(static_cast<int>(std::lround(units(mm))));
    font.setKerning(false);
    return font;
}

void PageCanvas::text(const QRectF& box, int flags, const QString& text, double points, const QColor& colour) {
    painter_.setFont(font(points));
    painter_.setPen(colour);
    painter_.drawText(box, flags, text);
}

}  // namespace pattern
