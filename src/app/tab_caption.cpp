#include "app/tab_caption.h"

#include "view/colours.h"

#include <QFontMetrics>

namespace app {

namespace {

const QString wideSpaced = "図 案   色塗り";
const QString narrowSpaced = "図 案  色塗り";
constexpr int rightMargin = 3;

// Edges are given inclusively, as QRect takes them.
QRect fromEdges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

TabCaption tabCaption(int index, const QRect& tab, bool active) {
    TabCaption caption;
    caption.clip = tab;
    caption.colour = active ? QColor(Qt::black) : view::tabGrey;
    caption.bold = active;
    caption.italic = !active;
    if (index == 0) {
        caption.text = active ? wideSpaced : narrowSpaced;
        if (!active) caption.backdrop = fromEdges(tab.left() - 5, tab.top() - 2, tab.right(), tab.bottom() + 1);
    } else {
        caption.text = active ? narrowSpaced : wideSpaced;
        caption.backdrop = fromEdges(tab.left(), tab.top() - 2, tab.right() + 5, tab.bottom() + 1);
    }
    return caption;
}

int tabWidth(int index, const QFontMetrics& metrics) {
    const int leftWidth = tabTextOrigin.x() + metrics.horizontalAdvance(narrowSpaced.left(narrowSpaced.indexOf("色")));
    if (index == 0) return leftWidth;
    return tabTextOrigin.x() + metrics.horizontalAdvance(wideSpaced) + rightMargin - leftWidth;
}

}  // namespace app
