#pragma once

#include "companion/usage_record.h"

#include <string>
#include <vector>

namespace companion {

// The lines the companion lists about this user's use of the program: version, first and previous
// use, number of uses, machine, user and the folder the program is installed in (the folder that
// holds the shipped cfg folder, with its trailing separator).
std::vector<std::string> usageFacts(const UsageRecord& record, const std::string& cfgFolder);

}  // namespace companion
