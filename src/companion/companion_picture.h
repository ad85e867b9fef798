#pragma once

#include <QPixmap>

namespace companion {

// The companion's two decorations, drawn as cross stitches so they need no picture files.
QPixmap stitchedHeart();
QPixmap stitchedFlower();

}  // namespace companion
