#include "pattern/cover_page.h"

#include "pattern/fabric_measure.h"

#include <QImage>

#include <algorithm>
#include <iterator>

namespace pattern {
namespace {

constexpr double kTitlePt = 18.0;
constexpr double kTextPt = 10.0;
constexpr double kTitleMm = 18.0;
constexpr double kLineMm = 6.0;
constexpr int kFactLines = 4;
constexpr double kTableGapMm = kLineMm / 2;
constexpr int kSizeLines = 1 + static_cast<int>(std::size(kCommonCounts));  // the chart's fabric and the counts
// The facts under the preview, a line apart from it: facts, gap, the table's head and rows.
constexpr double kFactsMm = kLineMm + kFactLines * kLineMm + kTableGapMm + (1 + kSizeLines) * kLineMm;
constexpr double kTableColumns[] = {0, 0.30, 0.65, 1.0};  // shares of the width: fabric, finished, cut
constexpr int kPreviewPixels = 800;  // across the longer side, so that viewers keep the cells sharp

// The chart one solid square per cell, enlarged by whole pixels: a viewer scales it without blurring
// the cells into one another.
QImage preview(const PatternContent& content) {
    const int scale = std::max(1, kPreviewPixels / std::max(content.columns, content.rows));
    QImage image(content.columns * scale, content.rows * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int row = 0; row < content.rows; ++row) {
        for (int column = 0; column < content.columns; ++column) {
            const int keyRow = content.keyRow(column, row);
            if (keyRow == kNoKeyRow) continue;
            const palette::ColourEntry& entry = content.key[static_cast<std::size_t>(keyRow)].entry;
            const QRgb colour = qRgb(entry.r, entry.g, entry.b);
            for (int y = row * scale; y < (row + 1) * scale; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                std::fill(line + column * scale, line + (column + 1) * scale, colour);
            }
        }
    }
    return image;
}

QString lengths(PieceSize size) {
    return QStringLiteral("%1 × %2 cm (%3 × %4 in)")
        .arg(size.widthCm, 0, 'f', 1)
        .arg(size.heightCm, 0, 'f', 1)
        .arg(size.widthCm / kCmPerInch, 0, 'f', 1)
        .arg(size.heightCm / kCmPerInch, 0, 'f', 1);
}

void tableRow(PageCanvas& canvas, double y, const QString (&texts)[3]) {
    const double width = canvas.widthMm();
    for (int i = 0; i < 3; ++i) {
        canvas.text(canvas.box(width * kTableColumns[i], y, width * (kTableColumns[i + 1] - kTableColumns[i]), kLineMm),
                    Qt::AlignLeft | Qt::AlignVCenter, texts[i], kTextPt);
    }
}

void sizeRow(PageCanvas& canvas, double y, const QString& fabric, double cellCm, const PatternContent& content) {
    const PieceSize finished = finishedSize(content.columns, content.rows, cellCm);
    tableRow(canvas, y, {fabric, lengths(finished), lengths(cutSize(finished))});
}

void paintFacts(PageCanvas& canvas, const PatternContent& content, const std::string& date, double top) {
    const double width = canvas.widthMm();
    const QString facts[kFactLines] = {
        QStringLiteral("大きさ: 横 %1 目 × 縦 %2 目").arg(content.columns).arg(content.rows),
        QStringLiteral("色数: %1").arg(content.key.size()),
        QStringLiteral("カラーコード: %1").arg(QString::fromStdString(content.systemTitle)),
        QStringLiteral("日付: %1").arg(QString::fromStdString(date)),
    };
    double y = top;
    for (const QString& fact : facts) {
        canvas.text(canvas.box(0, y, width, kLineMm), Qt::AlignLeft | Qt::AlignVCenter, fact, kTextPt);
        y += kLineMm;
    }

    y += kTableGapMm;
    tableRow(canvas, y, {QStringLiteral("布"), QStringLiteral("仕上がりサイズ"),
                         QStringLiteral("裁断する布 (周囲に各 %1 cm)").arg(kCutAllowanceCm, 0, 'f', 0)});
    canvas.painter().setPen(QPen(Qt::black, canvas.lineWidth(0.5)));
    canvas.painter().drawLine(canvas.at(0, y + kLineMm), canvas.at(width, y + kLineMm));
    y += kLineMm;

    const QString own = QStringLiteral("%1 (この図案の布)").arg(QString::fromStdString(content.fabric.name));
    sizeRow(canvas, y, own, cellCentimetres(content.fabric), content);
    for (const int count : kCommonCounts) {
        y += kLineMm;
        sizeRow(canvas, y, QStringLiteral("%1 カウント").arg(count), countCellCentimetres(count), content);
    }
}

}  // namespace

void paintCover(PageCanvas& canvas, const PatternContent& content, const std::string& date) {
    const double width = canvas.widthMm();
    canvas.text(canvas.box(0, 0, width, kTitleMm), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("図案"),
                kTitlePt);

    // The cells are square on the cloth, so the preview keeps the chart's proportions in cells.
    const double room = canvas.heightMm() - kTitleMm - kFactsMm;
    const double cell = std::min(width / content.columns, room / content.rows);
    const double previewWidth = cell * content.columns;
    const double previewHeight = cell * content.rows;
    const QRectF target = canvas.box((width - previewWidth) / 2, kTitleMm, previewWidth, previewHeight);
    // Compressed without loss, the cells keep their exact colours and sharp edges.
    canvas.painter().setRenderHint(QPainter::LosslessImageRendering);
    canvas.painter().drawImage(target, preview(content));
    canvas.painter().setPen(QPen(Qt::black, canvas.lineWidth(0.5)));
    canvas.painter().setBrush(Qt::NoBrush);
    canvas.painter().drawRect(target);

    paintFacts(canvas, content, date, kTitleMm + previewHeight + kLineMm);
}

}  // namespace pattern
