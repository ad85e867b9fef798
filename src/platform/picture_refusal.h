#pragma once

// The decoders' shared words for a picture they refuse.

#include "platform/failure.h"
#include "platform/picture_decoder.h"

#include <string>

namespace platform {

inline constexpr const char* kDamagedPicture = "the picture is damaged or incomplete";

inline DecodedPicture refusal(std::string message, PictureProblem problem = PictureProblem::Damaged) {
    DecodedPicture picture = failure<DecodedPicture>(std::move(message));
    picture.problem = problem;
    return picture;
}

inline bool exceedsPixelLimit(long long width, long long height) { return width * height > kMaxPicturePixels; }

inline DecodedPicture tooLarge(long long width, long long height) {
    return refusal("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                       " pixels; at most " + std::to_string(kMaxPicturePixels) + " pixels)",
                   PictureProblem::TooManyPixels);
}

}  // namespace platform
