#pragma once

#include <stdexcept>

namespace excel {

// What the workbook engine raises when it cannot do what it is asked: a file that cannot be
// opened or is no workbook, a sheet or macro that is not there, a save that fails. Its text is
// meant for the user as it stands.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace excel
