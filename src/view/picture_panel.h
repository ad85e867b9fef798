#pragma once

#include "view/cell_geometry.h"
#include "view/chart_layer.h"
#include "view/edge_drag.h"

#include <QFrame>

#include <chrono>
#include <functional>

class QLabel;

namespace view {

// The picture area `Panel1`: a framed white panel whose client area holds the source picture
// (`Image1`) under the chart (`Image2`), both stretched over it. Its right and bottom edges are
// dragged to choose the chart's size in cells, 8 to 200 each way.
class PicturePanel : public QFrame {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The clock paces drag resizing; tests pass their own.
    explicit PicturePanel(Clock clock, QWidget* parent = nullptr);

    // Pixels of the panel taken by its frame, both sides together.
    int frame() const { return width() - contentsRect().width(); }

    CellSize cellSize() const { return cells_; }
    void setCellSize(CellSize cells);
    CellCounts cellCounts() const;

    // Every size change comes here and is kept within the limits.
    void setAreaSize(QSize size);

    QLabel* sourceLayer() const { return Image1; }
    ChartLayer* chartLayer() const { return Image2; }

signals:
    void areaSizeChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    AreaSize areaSize() const { return AreaSize{width(), height()}; }
    EdgeHit showEdge(QPoint at);

    QLabel* Image1;
    ChartLayer* Image2;
    Clock clock_;
    CellSize cells_;
    EdgeHit drag_ = EdgeHit::None;
    std::chrono::steady_clock::time_point lastStep_;
};

}  // namespace view
