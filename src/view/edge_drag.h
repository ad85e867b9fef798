#pragma once

#include "view/picture_area.h"

#include <chrono>
#include <string>

namespace view {

// Where on the picture panel the mouse is, for resizing: the bottom-right corner, the right edge,
// the bottom edge, or none of them. While a button is held it is also the kind of drag.
enum class EdgeHit { None, Corner, Right, Bottom };

// The edges are five pixels wide, from seven to three pixels inside the panel's outer border.
EdgeHit edgeAt(int x, int y, AreaSize panel);

// The status-line hint for a place on the panel; away from the edges it names what is shown, the
// source picture or the chart.
std::string edgeHint(EdgeHit hit, bool sourceShown);

// The panel size while dragging: the dragged edges follow the mouse, six pixels beyond it.
AreaSize dragToward(EdgeHit drag, int x, int y, AreaSize panel);

// The panel size when the button is let go: an edge released within three pixels of the largest
// size snaps to it, so that 200 cells are easy to reach.
AreaSize dropAt(EdgeHit drag, int x, int y, AreaSize panel, AreaSize largest);

// Resizing the panel on every mouse move would redraw a stretched picture far too often: at most
// one step every 200 ms.
inline constexpr std::chrono::milliseconds kDragPace{200};

inline bool dragPaceAllows(std::chrono::steady_clock::time_point lastStep, std::chrono::steady_clock::time_point now) {
    return now - lastStep >= kDragPace;
}

}  // namespace view
