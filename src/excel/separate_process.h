#pragma once

#include <functional>
#include <optional>
#include <string>

namespace excel {

// Runs the work in a child process and gives back the bytes it returned. A library that aborts on
// a damaged file, runs past the time given or prints what it meets then ends or speaks only in that
// child, whose standard output and error go nowhere: nothing when the child did not finish with its
// answer.
std::optional<std::string> runSeparately(const std::function<std::string()>& work, int seconds);

}  // namespace excel
