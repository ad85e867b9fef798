#pragma once

#include <string>

namespace platform {

// Operations that can fail return a result whose `message` is empty on success and otherwise says
// what is wrong, in words fit for the user. This makes the result of a failure.
template <typename Result>
Result failure(std::string message) {
    Result result;
    result.message = std::move(message);
    return result;
}

}  // namespace platform
