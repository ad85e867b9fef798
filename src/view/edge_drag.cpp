#include "view/edge_drag.h"

namespace view {
namespace {

bool onEdge(int position, int length) { return position >= length - 7 && position <= length - 3; }

int droppedSide(int position, int largest) { return position + 9 > largest ? largest : position + 6; }

}  // namespace

EdgeHit edgeAt(int x, int y, AreaSize panel) {
    const bool right = onEdge(x, panel.width);
    const bool bottom = onEdge(y, panel.height);
    if (right && bottom) return EdgeHit::Corner;
    if (right) return EdgeHit::Right;
    if (bottom) return EdgeHit::Bottom;
    return EdgeHit::None;
}

std::string edgeHint(EdgeHit hit, bool sourceShown) {
    switch (hit) {
    case EdgeHit::Corner: return "ドラッグすると、図案の大きさを変更できます。";
    case EdgeHit::Right: return "ドラッグすると、図案の横の大きさを変更できます。";
    case EdgeHit::Bottom: return "ドラッグすると、図案の縦の大きさを変更できます。";
    case EdgeHit::None: break;
    }
    return sourceShown ? "右端または下端をドラッグすると、原画の大きさを変更できます。右クリックでメニューを表示します。"
                       : "右端または下端をドラッグすると、図案の大きさを変更できます。右クリックでメニューを表示します。";
}

AreaSize dragToward(EdgeHit drag, int x, int y, AreaSize panel) {
    if (drag == EdgeHit::Corner || drag == EdgeHit::Right) panel.width = x + 6;
    if (drag == EdgeHit::Corner || drag == EdgeHit::Bottom) panel.height = y + 6;
    return panel;
}

AreaSize dropAt(EdgeHit drag, int x, int y, AreaSize panel, AreaSize largest) {
    if (drag == EdgeHit::Corner || drag == EdgeHit::Right) panel.width = droppedSide(x, largest.width);
    if (drag == EdgeHit::Corner || drag == EdgeHit::Bottom) panel.height = droppedSide(y, largest.height);
    return panel;
}

}  // namespace view
