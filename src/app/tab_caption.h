#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFontMetrics;

namespace app {

// Both tabs draw one line holding both words from the same point of the tab strip, each clipped to
// its own tab, so that the left tab shows "図 案" and the right tab "色塗り". The active tab's bold
// line and the other tab's italic line are spaced so that the words land in their tabs either way.
inline constexpr QPoint tabTextOrigin{7, 7};
inline constexpr int tabFontPointSize = 9;

struct TabCaption {
    QRect backdrop;  // filled with the backdrop panel's colour first, to frame the tab; empty for none
    QRect clip;      // the tab itself: filled with the window colour, and the text is cut to it
    QString text;
    QColor colour;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const TabCaption&, const TabCaption&) = default;
};

TabCaption tabCaption(int index, const QRect& tab, bool active);

// The tabs are as wide as the caption font puts the words: the left tab ends where the closer spaced
// second word begins, the right tab a little past the end of the wider spaced line.
int tabWidth(int index, const QFontMetrics& metrics);

}  // namespace app
