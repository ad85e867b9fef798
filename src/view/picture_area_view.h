#pragma once

#include "palette/fabric.h"
#include "view/cell_geometry.h"
#include "view/picture_panel.h"

#include <QWidget>

class QFrame;

namespace view {

class ClickLabel;

// The picture area `Panel1` with the size panel `P_size` just below it, where `L_size` and the small
// picture `Image3` tell the chart's stitched size on the current fabric. Before a chart exists the
// area's size chooses the cells of the next chart; afterwards it only zooms the chart, and the size
// it was made at can be brought back.
class PictureAreaView : public QWidget {
    Q_OBJECT
public:
    explicit PictureAreaView(QWidget* parent = nullptr, PicturePanel::Clock clock = std::chrono::steady_clock::now);

    PicturePanel* panel() const { return Panel1; }

    // Where the panel's client area starts in this widget, to line it up with the rulers' count 0.
    QPoint clientOffset() const;

    // Both keep the area within its limits and refresh the size texts.
    void setCellSize(CellSize cells);
    void showCells(CellCounts cells);

    CellCounts cellCounts() const { return Panel1->cellCounts(); }

    void setFabric(const palette::Fabric& fabric);
    // Without a fabric list there is no stitched size to tell: the size line stays hidden.
    void hideSizeLine();

    // Puts the size panel under the area and writes the size texts; also after a picture or chart
    // is cleared or read in.
    void refreshSizeTexts();

    // A chart just made records the area's size, so that zooming can be undone; a paste forgets it.
    void recordChartSize();
    void forgetChartSize();
    bool canRestoreSize() const;

public slots:
    // Brings back the size the chart was made at.
    void restoreSize();

signals:
    void cellCountsChanged(view::CellCounts cells);
    void areaResized(QSize panelSize);
    void restoreAvailabilityChanged(bool available);
    // The size and count dialog for the whole size.
    void sizeDialogRequested(int focus);

private:
    QSize panelSize() const { return Panel1->size(); }

    PicturePanel* Panel1;
    QFrame* P_size;
    ClickLabel* L_size;
    ClickLabel* Image3;
    palette::Fabric fabric_;
    QSize chartPanelSize_{0, 0};
    CellCounts shownCells_;
    bool restoreShown_ = false;
};

}  // namespace view
