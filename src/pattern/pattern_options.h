#pragma once

#include <string>

namespace pattern {

inline constexpr int kFewestStrands = 1;
inline constexpr int kMostStrands = 6;  // a skein's thread is six strands

enum class Paper { A4, Letter };

// How the pattern is printed, besides the chart it prints.
struct PatternOptions {
    Paper paper = Paper::A4;
    int strands = 2;   // of kMostStrands, for the thread estimate in the key
    std::string date;  // shown on the cover as given, e.g. "2026-12-07"
};

}  // namespace pattern
