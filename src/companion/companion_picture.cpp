#include "companion/companion_picture.h"

#include <QPainter>

#include <array>

namespace companion {
namespace {

constexpr int kCell = 5;

// One row of text per row of stitches; a letter names the thread, '.' leaves the cloth bare.
template <std::size_t Rows>
QPixmap stitched(const std::array<const char*, Rows>& rows) {
    const int columns = static_cast<int>(std::char_traits<char>::length(rows[0]));
    QPixmap picture(columns * kCell, static_cast<int>(Rows) * kCell);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int y = 0; y < static_cast<int>(Rows); ++y) {
        for (int x = 0; x < columns; ++x) {
            QColor thread;
            switch (rows[static_cast<std::size_t>(y)][x]) {
            case 'r': thread = QColor(200, 30, 60); break;
            case 'p': thread = QColor(240, 120, 160); break;
            case 'y': thread = QColor(240, 190, 40); break;
            case 'g': thread = QColor(40, 140, 70); break;
            default: continue;
            }
            painter.setPen(QPen(thread, 1.6));
            const QRectF cell(x * kCell + 0.8, y * kCell + 0.8, kCell - 1.6, kCell - 1.6);
            painter.drawLine(cell.topLeft(), cell.bottomRight());
            painter.drawLine(cell.topRight(), cell.bottomLeft());
        }
    }
    return picture;
}

}  // namespace

QPixmap stitchedHeart() {
    return stitched(std::array{
        "........",
        ".rr..rr.",
        "rpprrrrr",
        "rpprrrrr",
        "rrrrrrrr",
        ".rrrrrr.",
        "..rrrr..",
        "...rr...",
    });
}

QPixmap stitchedFlower() {
    return stitched(std::array{
        "..p.p..",
        ".ppypp.",
        "..pyp..",
        "...g...",
        ".g.g...",
        "..gg.g.",
        "...gg..",
    });
}

}  // namespace companion
