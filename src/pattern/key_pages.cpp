#include "pattern/key_pages.h"

#include "pattern/fabric_measure.h"
#include "pattern/page_split.h"
#include "pattern/thread_estimate.h"

#include <QFontMetricsF>

#include <iterator>

namespace pattern {
namespace {

constexpr double kTitlePt = 14.0;
constexpr double kTextPt = 9.0;
constexpr double kSymbolPt = 11.0;
constexpr double kTitleMm = 12.0;
constexpr double kRowMm = 6.0;
constexpr double kNoteMm = 5.5;
constexpr double kSwatchInsetMm = 1.0;

// Each column's share of the width, in the order the heads name them.
struct Column {
    const char* head;
    double share;
    int align;
};
constexpr Column kColumns[] = {
    {"記号", 0.06, Qt::AlignHCenter},       {"色", 0.06, Qt::AlignHCenter},
    {"コード", 0.09, Qt::AlignLeft},        {"色名", 0.31, Qt::AlignLeft},
    {"目数", 0.09, Qt::AlignRight},         {"本取り", 0.09, Qt::AlignRight},
    {"かせ (計算)", 0.14, Qt::AlignRight}, {"かせ (切り上げ)", 0.16, Qt::AlignRight},
};
constexpr int kSymbolColumn = 0;
constexpr int kSwatchColumn = 1;
constexpr int kNameColumn = 3;

QRectF cellBox(PageCanvas& canvas, int column, double y) {
    double left = 0;
    for (int i = 0; i < column; ++i) left += kColumns[i].share;
    const double width = canvas.widthMm();
    // A little room on both sides keeps neighbouring texts apart.
    return canvas.box(width * left + 1.0, y, width * kColumns[column].share - 2.0, kRowMm);
}

void paintHeads(PageCanvas& canvas, double y, bool continued) {
    canvas.text(canvas.box(0, 0, canvas.widthMm(), kTitleMm), Qt::AlignLeft | Qt::AlignVCenter,
                continued ? QStringLiteral("色の一覧 (続き)") : QStringLiteral("色の一覧"), kTitlePt);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        canvas.text(cellBox(canvas, i, y), kColumns[i].align | Qt::AlignVCenter, QString::fromUtf8(kColumns[i].head),
                    kTextPt);
    }
    canvas.painter().setPen(QPen(Qt::black, canvas.lineWidth(0.6)));
    canvas.painter().drawLine(canvas.at(0, y + kRowMm), canvas.at(canvas.widthMm(), y + kRowMm));
}

void paintRow(PageCanvas& canvas, const KeyColour& colour, double y, double cellCm, int strands) {
    const palette::ColourEntry& entry = colour.entry;
    const SkeinEstimate skeins = estimateSkeins(colour.stitches, cellCm, strands);
    const QString texts[] = {
        QString::fromStdString(entry.symbol), QString(), QString::fromStdString(entry.code),
        QString::fromStdString(entry.name), QString::number(colour.stitches), QString::number(strands),
        QString::number(skeins.exact, 'f', 2), QString::number(skeins.skeins),
    };
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        const QRectF box = cellBox(canvas, i, y);
        const double points = i == kSymbolColumn ? kSymbolPt : kTextPt;
        QString text = texts[i];
        if (i == kNameColumn) text = QFontMetricsF(canvas.font(points)).elidedText(text, Qt::ElideRight, box.width());
        if (!text.isEmpty()) canvas.text(box, kColumns[i].align | Qt::AlignVCenter, text, points);
    }
    const QRectF swatch = cellBox(canvas, kSwatchColumn, y)
                              .adjusted(0, canvas.units(kSwatchInsetMm), 0, -canvas.units(kSwatchInsetMm));
    QPainter& painter = canvas.painter();
    painter.setPen(QPen(Qt::black, canvas.lineWidth(0.3)));
    painter.setBrush(QColor(entry.r, entry.g, entry.b));
    painter.drawRect(swatch);
    painter.setPen(QPen(QColor(160, 160, 160), canvas.lineWidth(0.2)));
    painter.drawLine(canvas.at(0, y + kRowMm), canvas.at(canvas.widthMm(), y + kRowMm));
}

QStringList notes(const PatternContent& content, int strands, bool overlapping) {
    const double cellCm = cellCentimetres(content.fabric);
    QStringList lines{
        QStringLiteral("糸の見積もり: クロスステッチ 1 目の糸 = %1 × 1 目の大きさ (cm) × 本取り数 × 余裕分 %2")
            .arg(kThreadPerCell)
            .arg(kWasteAllowance),
        QStringLiteral("1 目の大きさ: %1 cm (%2)。%3 本取りで刺すものとしています。")
            .arg(cellCm, 0, 'f', 3)
            .arg(QString::fromStdString(content.fabric.name))
            .arg(strands),
        QStringLiteral("1 かせ: 6 本どりの糸 %1 cm (%2 strand-cm)。")
            .arg(kSkeinLengthCm, 0, 'f', 0)
            .arg(kSkeinLengthCm * kSkeinStrands, 0, 'f', 0),
    };
    if (overlapping) {
        lines << QStringLiteral("色付きの重なり部分は次のページの最初の %1 列・%1 行の繰り返しです。二度刺さないでください。")
                     .arg(kOverlapCells);
    }
    return lines;
}

}  // namespace

void paintKeyPages(PageCanvas& canvas, const PatternContent& content, int strands, bool overlapping) {
    const double cellCm = cellCentimetres(content.fabric);
    const double bottom = canvas.heightMm();
    std::size_t next = 0;
    double y = 0;
    do {
        canvas.startPage(false);
        paintHeads(canvas, kTitleMm, next > 0);
        y = kTitleMm + kRowMm;
        for (; next < content.key.size() && y + kRowMm <= bottom; ++next, y += kRowMm) {
            paintRow(canvas, content.key[next], y, cellCm, strands);
        }
    } while (next < content.key.size());

    const QStringList lines = notes(content, strands, overlapping);
    if (y + kNoteMm * (lines.size() + 1) > bottom) {
        canvas.startPage(false);
        y = 0;
    }
    y += kNoteMm;
    for (const QString& line : lines) {
        canvas.text(canvas.box(0, y, canvas.widthMm(), kNoteMm), Qt::AlignLeft | Qt::AlignVCenter, line, kTextPt);
        y += kNoteMm;
    }
}

}  // namespace pattern
