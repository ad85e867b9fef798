#include "app/page_control.h"

#include "view/colours.h"
#include "app/tab_caption.h"

#include <QPainter>

namespace app {

PageTabBar::PageTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
}

QFont PageTabBar::captionFont(bool bold, bool italic) const {
    QFont font = this->font();
    font.setPointSize(tabFontPointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QSize PageTabBar::tabSizeHint(int index) const {
    return {tabWidth(index, QFontMetrics(captionFont(true, false))), tabHeight};
}

QSize PageTabBar::minimumTabSizeHint(int index) const {
    return tabSizeHint(index);
}

void PageTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) {
        const TabCaption caption = tabCaption(index, tabRect(index), index == currentIndex());
        painter.setClipping(false);
        if (!caption.backdrop.isEmpty()) painter.fillRect(caption.backdrop, view::teal);
        painter.setClipRect(caption.clip);
        painter.fillRect(caption.clip, view::cream);
        painter.setFont(captionFont(caption.bold, caption.italic));
        painter.setPen(caption.colour);
        painter.drawText(QRect(tabTextOrigin, size()), Qt::AlignLeft | Qt::AlignTop, caption.text);
    }
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new PageTabBar(this));
}

}  // namespace app
