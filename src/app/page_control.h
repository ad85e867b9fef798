#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace app {

// The tab strip of the page control, drawn by the program (see tab_caption.h). The tab texts stay
// set ("図案", "色塗り") for the accessibility bus even though the strip draws its own captions.
class PageTabBar : public QTabBar {
public:
    static constexpr int tabHeight = 20;

    explicit PageTabBar(QWidget* parent);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont captionFont(bool bold, bool italic) const;
};

// The page control `PageControl1`: a tab widget with the program's own tab strip.
class PageControl : public QTabWidget {
public:
    explicit PageControl(QWidget* parent);
};

}  // namespace app
