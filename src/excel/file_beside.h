#pragma once

#include <functional>
#include <string>

namespace excel {

// Has `write` fill a fresh temporary file in the target's folder and, when it reports success (an
// empty text), renames it over the target; otherwise removes it. The target thus shows the old file
// or the whole new one, never half a workbook, and a failure leaves no temporary behind.
std::string writeThroughFileBeside(const std::string& target,
                                   const std::function<std::string(const std::string& temporary)>& write);

}  // namespace excel
