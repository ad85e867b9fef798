#pragma once

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitReductionFailed = 3;

}  // namespace cli
