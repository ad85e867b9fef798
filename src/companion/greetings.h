#pragma once

#include "companion/usage_record.h"

#include <string>

namespace companion {

// What the companion says, chosen from the usage record and the clock. Lines are broken with CR LF,
// as the window shows them.

// The full greeting for this moment. Every call counts: a call within two seconds of the last one
// asks what the matter is, and every second call after an hour of work reminds the user to rest. It
// advances the record's GreetingCalls and sets its LastGreetingTime to now.
std::string greetingMessage(UsageRecord& record, LocalDateTime now);

// The short title of the greeting the record earns now (empty for a plain greeting of the hour). It
// reads the record only, so the help button's caption never uses up a greeting.
std::string greetingTitle(const UsageRecord& record);

// GreetingTitle = greetingTitle, or "ヘルプ" when that is empty.
void refreshGreetingTitle(UsageRecord& record);

// The goodbye when the program ends.
std::string farewell(const UsageRecord& record, LocalDateTime now);

}  // namespace companion
