#pragma once

#include "platform/file_problem.h"

#include <exception>
#include <string>

namespace app {

// The window's words for a file it could not read: "「/path/Tessaly.ini」を読めません。フォルダです".
std::string cannotReadMessage(const platform::FileProblem& problem);

// The window's words for an error a library raised where the program had no message of its own:
// memory that ran out is said to be so, anything else keeps the library's text as the reason.
std::string unexpectedErrorMessage(const std::exception& error);

}  // namespace app
