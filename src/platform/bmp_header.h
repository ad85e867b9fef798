#pragma once

#include "platform/picture_problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct BmpLayout {
    bool topDown = false;  // rows stored from the top (a negative height), which Qt's reader refuses
};

struct BmpCheck {
    std::optional<std::string> refusal;  // why the picture is refused before it is decoded
    PictureProblem problem = PictureProblem::None;
    BmpLayout layout;
};

// Reads a BMP's headers to refuse a picture too large for the chart, or whose pixel data lies partly
// past the end of the file (Qt's reader would fill the gap in), before any pixel memory is taken.
BmpCheck checkBmp(std::string_view bytes);

// A copy of a top-down BMP that says it is stored from the bottom: Qt reads that, and the rows of
// what it reads are then in reverse order.
std::string asBottomUp(std::string_view bytes);

}  // namespace platform
