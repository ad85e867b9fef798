#pragma once

#include "platform/file_problem.h"

#include <optional>
#include <stdexcept>

namespace excel {

// What the workbook engine raises when it cannot do what it is asked: a file that cannot be
// opened or is no workbook, a sheet or macro that is not there, a save that fails. Its text is
// meant for the user as it stands; a file the system would not let be written also comes with the
// reason, for a caller that words it in its own frame.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    AutomationError(const std::string& message, platform::FileProblem problem)
        : std::runtime_error(message), fileProblem_(std::move(problem)) {}

    const std::optional<platform::FileProblem>& fileProblem() const { return fileProblem_; }

private:
    std::optional<platform::FileProblem> fileProblem_;
};

}  // namespace excel
