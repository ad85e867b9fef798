#pragma once

#include <QColor>

namespace view {

// The main window's background, also the face of the message boxes and the text of a faded caption.
inline const QColor cream{255, 251, 240};
// The window's backdrop panel behind the page control.
inline const QColor teal{0, 128, 128};
// The scroll box around the picture area.
inline const QColor moneyGreen{192, 220, 192};
// The caption of the button that makes the chart.
inline const QColor maroon{128, 0, 0};
// Captions of the tab that is not active.
inline const QColor tabGrey{128, 128, 128};

}  // namespace view
