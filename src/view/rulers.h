#pragma once

#include "view/cell_geometry.h"
#include "view/ruler_scale.h"

#include <QWidget>

class QFrame;
class QLabel;

namespace view {

class ClickLabel;

// The two count rulers that frame the picture area — across above it (`Pa_x1` holding `Im_x1`),
// down on its left (`Pa_y1` holding `Im_y1`) — with the cell counts `La_mx` above and `La_my`
// beside them. A ruler marks 200 counts, so its length fixes the cell size on screen.
class Rulers : public QWidget {
    Q_OBJECT
public:
    explicit Rulers(QWidget* parent = nullptr);

    // Draws the rulers and keeps the cell size they give. A refused ruler is not drawn; the reading
    // carries the message to show.
    RulerReading draw();
    CellSize cellSize() const { return cells_; }

    // Where count 0 of both rulers lies, in this widget: the picture area's client corner goes here.
    QPoint zeroMark() const;

public slots:
    void showCellCounts(view::CellCounts cells);

signals:
    // The size dialog for the width (1) or the height (2).
    void sizeDialogRequested(int focus);

private:
    void drawHorizontal(int step);
    void drawVertical(int step);

    QFrame* Pa_x1;
    QLabel* Im_x1;
    QFrame* Pa_y1;
    QLabel* Im_y1;
    ClickLabel* La_mx;
    ClickLabel* La_my;
    CellSize cells_;
};

}  // namespace view
