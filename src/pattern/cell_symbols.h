#pragma once

// The key's symbols as glyphs centred in chart cells. A page's symbols go out as one glyph run per
// text colour, which keeps thousands of cells fast to write and each symbol a selectable character.

#include "pattern/pattern_content.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <vector>

namespace pattern {

class CellSymbols {
public:
    // The symbols at their size in the font: their ink centred in a cell of cellUnits across.
    CellSymbols(const QFont& font, const std::vector<KeyColour>& key, double cellUnits);

    // Collects the symbols of one colour of text, and paints them at once.
    class Run {
    public:
        explicit Run(const CellSymbols& symbols) : symbols_(symbols) {}
        void add(int keyRow, QPointF cellTopLeft);
        void paint(QPainter& painter, const QColor& colour) const;

    private:
        const CellSymbols& symbols_;
        QList<quint32> glyphs_;
        QList<QPointF> positions_;
    };

private:
    struct Placed {
        QList<quint32> glyphs;
        QList<QPointF> offsets;  // of each glyph's origin from the cell's top left
    };

    QRawFont font_;
    std::vector<Placed> placed_;
};

}  // namespace pattern
