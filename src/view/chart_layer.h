#pragma once

#include <QPixmap>
#include <QWidget>

namespace view {

// The chart layer `Image2`: the chart picture stretched over the picture area, each cell one solid
// block of its colour. The picture is what the copy button and the workbook export take, so a
// painted cell goes into it as well as onto the screen.
class ChartLayer : public QWidget {
public:
    explicit ChartLayer(QWidget* parent);

    QPixmap pixmap() const { return picture_; }
    void setPixmap(const QPixmap& picture);
    void clear() { setPixmap(QPixmap()); }

    // Fills the picture's pixels inside `cell` with the colour and repaints only where they are
    // shown, so that a click on a large chart does not redraw all of it.
    void fillCell(const QRect& cell, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect shownRect(const QRect& pixels) const;

    QPixmap picture_;
};

}  // namespace view
