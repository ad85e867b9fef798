#pragma once

#include <string>

namespace platform {

// This computer's name, or "(マシン名)" when the system does not tell it.
std::string computerName();

// The name of the user the program runs for, or "(ユーザ名)" when the system does not tell it.
std::string logOnUserName();

}  // namespace platform
