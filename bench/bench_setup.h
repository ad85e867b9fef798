#pragma once

// What the benchmark programs share: Google Benchmark's set-up and the thread range they chart in.

#include "palette/catalogue.h"

#include <optional>

namespace bench {

inline constexpr const char* kCodeSystem = "DMC(刺繍糸)";

// Sets Google Benchmark up to report medians of five runs unless the command line asks otherwise (a
// later flag wins): set here rather than per benchmark, which would add "/repeats:5" to every name.
// False when the command line holds an argument it does not know.
bool initializeBenchmarks(int argc, char** argv);

// The shipped kCodeSystem with its colour table; nothing, with the reason on standard error, when it
// cannot be loaded.
std::optional<palette::LoadedCodeSystem> shippedCodeSystem();

}  // namespace bench
