#pragma once

#include "platform/picture_problem.h"

#include <QString>

namespace app {

// What the window says when a picture from the clipboard was not taken: that the paste failed, and,
// for a picture too large to take, why.
QString clipboardRefusal(platform::PictureProblem problem);

// What the window says when a picture file, dropped or opened, was not taken: which file, and why.
QString fileRefusal(const QString& path, platform::PictureProblem problem);

}  // namespace app
