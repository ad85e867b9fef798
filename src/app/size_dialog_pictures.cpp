#include "app/size_dialog_pictures.h"

#include <QPainter>

namespace app {
namespace {

constexpr int kCell = 6;

}  // namespace

// A heart in stitched cells on the cloth's grid: what the counts across and down measure.
QPixmap chartIllustration(QSize size) {
    static constexpr const char* heart[] = {
        ".XX...XX.",
        "XXXX.XXXX",
        "XXXXXXXXX",
        "XXXXXXXXX",
        ".XXXXXXX.",
        "..XXXXX..",
        "...XXX...",
        "....X....",
    };
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int columns = static_cast<int>(std::char_traits<char>::length(heart[0]));
    const int rows = static_cast<int>(std::size(heart));
    const QPoint origin((size.width() - columns * kCell) / 2, (size.height() - rows * kCell) / 2);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (heart[row][column] == 'X') {
                painter.fillRect(QRect(origin + QPoint(column * kCell, row * kCell), QSize(kCell, kCell)),
                                 QColor(200, 40, 70));
            }
        }
    }
    painter.setPen(QColor(210, 210, 210));
    for (int x = origin.x() % kCell; x < size.width(); x += kCell) painter.drawLine(x, 0, x, size.height());
    for (int y = origin.y() % kCell; y < size.height(); y += kCell) painter.drawLine(0, y, size.width(), y);
    return picture;
}

// Even-weave cloth: cream threads with the holes the needle goes through.
QPixmap clothIcon(int side) {
    QPixmap cloth(side, side);
    cloth.fill(QColor(240, 228, 200));
    QPainter painter(&cloth);
    painter.setPen(QColor(150, 130, 100));
    for (int y = 1; y < side; y += 3) {
        for (int x = 1; x < side; x += 3) painter.drawPoint(x, y);
    }
    painter.drawRect(0, 0, side - 1, side - 1);
    return cloth;
}

}  // namespace app
