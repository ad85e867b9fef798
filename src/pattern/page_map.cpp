#include "pattern/page_map.h"

#include <algorithm>

namespace pattern {
namespace {

constexpr double kTitlePt = 14.0;
constexpr double kNumberPt = 12.0;
constexpr double kEdgePt = 7.0;
constexpr double kTitleMm = 12.0;
constexpr double kEdgeMm = 8.0;     // room for the column and row numbers round the map
constexpr double kLargestMm = 120;  // a small map, whatever the paper

}  // namespace

void paintPageMap(PageCanvas& canvas, const ChartSplit& split, int columns, int rows) {
    canvas.text(canvas.box(0, 0, canvas.widthMm(), kTitleMm), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("ページの割り付け (%1 ページ)").arg(split.pageCount()), kTitlePt);
    const double room = std::min(kLargestMm, canvas.widthMm() - 2 * kEdgeMm);
    const double cell = room / std::max(columns, rows);
    const double left = (canvas.widthMm() - cell * columns) / 2;
    const double top = kTitleMm + kEdgeMm;

    QPainter& painter = canvas.painter();
    const auto across = static_cast<int>(split.columnSlices.size());
    for (int i = 0; i < split.pageCount(); ++i) {
        const ChartPage page = split.page(i);
        const double x = left + page.columns.first * cell;
        const double y = top + page.rows.first * cell;
        const QRectF box = canvas.box(x, y, page.columns.count * cell, page.rows.count * cell);
        painter.setPen(QPen(Qt::black, canvas.lineWidth(0.8)));
        painter.setBrush((i % across + i / across) % 2 == 0 ? QColor(235, 235, 235) : QColor(Qt::white));
        painter.drawRect(box);
        canvas.text(box, Qt::AlignCenter, QString::number(page.number), kNumberPt);
    }
    // The first column and row of each page, along the top and the left.
    for (const Slice& slice : split.columnSlices) {
        canvas.text(canvas.box(left + slice.first * cell, top - kEdgeMm, slice.count * cell, kEdgeMm),
                    Qt::AlignLeft | Qt::AlignBottom, QString::number(slice.first + 1), kEdgePt);
    }
    for (const Slice& slice : split.rowSlices) {
        canvas.text(canvas.box(left - kEdgeMm, top + slice.first * cell, kEdgeMm - 1, slice.count * cell),
                    Qt::AlignRight | Qt::AlignTop, QString::number(slice.first + 1), kEdgePt);
    }
}

}  // namespace pattern
