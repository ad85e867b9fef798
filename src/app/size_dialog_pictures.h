#pragma once

#include <QPixmap>

// The size dialog's two pictures, drawn rather than shipped: a piece of chart with its counts across
// and down, and the small cloth that marks the fabric line.
namespace app {

QPixmap chartIllustration(QSize size);
QPixmap clothIcon(int side);

}  // namespace app
