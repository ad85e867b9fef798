#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A moment as the local wall clock shows it, to the second: what the user sees and what the usage
// record keeps.
using LocalDateTime = std::chrono::local_seconds;

LocalDateTime localNow();

// The 14 digits "yyyymmddhhnnss" (year, month, day, hour, minute, second).
std::string formatDateStamp(LocalDateTime moment);

// The day alone as "yyyy-mm-dd", as a printed page is dated.
std::string formatIsoDate(LocalDateTime moment);

// Reads such a stamp back after trimming: the first 14 characters count, each field must be a
// decimal number and together they must make a real date and time (20260230… is none); anything
// else is nullopt.
std::optional<LocalDateTime> parseDateStamp(std::string_view text);

}  // namespace platform
