#include "pattern/cell_symbols.h"

namespace pattern {

CellSymbols::CellSymbols(const QFont& font, const std::vector<KeyColour>& key, double cellUnits)
    : font_(QRawFont::fromFont(font)) {
    placed_.reserve(key.size());
    const QList<quint32> space = font_.glyphIndexesForString(QStringLiteral(" "));
    for (const KeyColour& colour : key) {
        Placed placed;
        placed.glyphs = font_.glyphIndexesForString(QString::fromStdString(colour.entry.symbol));
        const QList<QPointF> advances = font_.advancesForGlyphIndexes(placed.glyphs);
        // The ink of all the glyphs together, from the first glyph's origin on the baseline.
        QRectF ink;
        QPointF pen;
        for (qsizetype i = 0; i < placed.glyphs.size(); ++i) {
            placed.offsets.push_back(pen);
            ink |= font_.boundingRect(placed.glyphs[i]).translated(pen);
            pen += advances[i];
        }
        // A space after each symbol keeps neighbouring cells apart when a reader's program takes the
        // page as text; it has no ink.
        placed.glyphs += space;
        placed.offsets.push_back(pen);
        const QPointF shift = QPointF(cellUnits / 2, cellUnits / 2) - ink.center();
        for (QPointF& offset : placed.offsets) offset += shift;
        // A blank symbol has no ink and shows nothing.
        if (ink.isEmpty()) placed = Placed{};
        placed_.push_back(std::move(placed));
    }
}

void CellSymbols::Run::add(int keyRow, QPointF cellTopLeft) {
    const Placed& placed = symbols_.placed_[static_cast<std::size_t>(keyRow)];
    for (qsizetype i = 0; i < placed.glyphs.size(); ++i) {
        glyphs_.push_back(placed.glyphs[i]);
        positions_.push_back(cellTopLeft + placed.offsets[i]);
    }
}

void CellSymbols::Run::paint(QPainter& painter, const QColor& colour) const {
    if (glyphs_.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(symbols_.font_);
    run.setGlyphIndexes(glyphs_);
    run.setPositions(positions_);
    painter.setPen(colour);
    painter.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace pattern
