#pragma once

// The pages the pattern is painted on: any paged device with its painter, so that a printer can take
// the same pages as the PDF file. Positions are given in millimetres from the top left corner inside
// the margins, and turned into the device's units here.

#include "pattern/page_split.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace pattern {

class PageCanvas {
public:
    PageCanvas(QPagedPaintDevice& device, QPainter& painter, QString family, Paper paper);

    // The first page begins the painter; each further one is a new page of the device.
    void startPage(bool landscape);
    // Ends the painting; false when any page could not be painted.
    bool finish();

    QPainter& painter() { return painter_; }
    // The current page's area inside the margins.
    double widthMm() const { return (landscape_ ? size_.height : size_.width) - 2 * kMarginMm; }
    double heightMm() const { return (landscape_ ? size_.width : size_.height) - 2 * kMarginMm; }

    double units(double mm) const { return mm * unitsPerMm_; }
    QPointF at(double xMm, double yMm) const { return QPointF(units(xMm), units(yMm)); }
    QRectF box(double xMm, double yMm, double widthMm, double heightMm) const {
        return QRectF(units(xMm), units(yMm), units(widthMm), units(heightMm));
    }
    QFont font(double points) const { return fontOfSize(points * kMmPerPoint); }
    // The font whose em is that many millimetres.
    QFont fontOfSize(double mm) const;
    // Text in the font at that size and colour, placed in a box by the alignment flags.
    void text(const QRectF& box, int flags, const QString& text, double points, const QColor& colour = Qt::black);
    // A line width given in points.
    double lineWidth(double points) const { return units(points * kMmPerPoint); }

private:
    static constexpr double kMmPerPoint = 25.4 / 72.0;

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QString family_;
    Paper paper_;
    PaperSize size_;
    double unitsPerMm_;
    bool started_ = false;
    bool failed_ = false;
    bool landscape_ = false;
};

}  // namespace pattern
