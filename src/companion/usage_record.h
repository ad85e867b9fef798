#pragma once

#include "platform/date_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace companion {

using platform::LocalDateTime;

inline constexpr int kOptionCount = 16;
inline constexpr int kUserSlotCount = 20;

// One of the twenty users an installation remembers (sections user00 … user19).
struct UserSlot {
    std::string name;
    LocalDateTime firstUse{};
    LocalDateTime lastStart{};
    LocalDateTime lastEnd{};
    std::int32_t runCount = 0;
};

// Who uses the program on which computer, since when and how often, and the user's choices of the
// last run on behalf of the main window. The main window fills AppName, Folder, Version,
// HomepageUrl (the default address) and OptionKeys before loading.
struct UsageRecord {
    std::string AppName;
    std::string Folder;
    std::string StoredMachine;
    std::string Machine;
    std::string StoredUser;
    std::string User;
    std::string UserSection;
    LocalDateTime FirstUse{};
    LocalDateTime PreviousStart{};
    LocalDateTime ThisStart{};
    LocalDateTime PreviousEnd{};
    std::int32_t UseCount = 0;
    std::int32_t ChartsMade = 0;
    std::string GreetingTitle;
    std::int32_t StoredVersion = 0;
    std::int32_t Version = 0;
    std::string HomepageUrl;
    // A pair whose key is empty is not used.
    std::array<std::string, kOptionCount> OptionKeys;
    std::array<std::string, kOptionCount> OptionValues;

    // Kept by the load for the companion window's greetings.
    std::array<UserSlot, kUserSlotCount> UserSlots;
    std::optional<int> UserSlotIndex;
    LocalDateTime LastGreetingTime{};
    // Greetings said in this process; every second one after an hour of work is a rest reminder.
    std::int32_t GreetingCalls = 0;
};

// What the load and the save learn from the system, given as values so that any run can be replayed.
struct UsageEnvironment {
    LocalDateTime now{};
    std::string machine;
    std::string user;
};
UsageEnvironment currentEnvironment();

enum class SaveMode {
    Normal = 0,
    // The user left with SHIFT on the end button: the next start uses the main window's defaults.
    ForgetOptions = 1,
};

// The record file: Folder + "/" + AppName + "_oha.ini".
std::string usageRecordPath(const UsageRecord& record);

// Reads the record for this user, taking a slot for a new one, and notes this run in the file.
// False, with only Machine, User and LastGreetingTime filled, when AppName or Folder is empty. A
// file that cannot be written does not stop the program: the record is filled all the same, and
// the save at the end reports the fault.
bool loadUsageRecord(UsageRecord& record, const UsageEnvironment& environment);
bool loadUsageRecord(UsageRecord& record);

// Notes the end of this run and stores the options. Returns an empty text on success (and when
// AppName or Folder is empty, where there is nothing to save), otherwise why the record could not be
// saved.
std::string saveUsageRecord(UsageRecord& record, SaveMode mode, LocalDateTime now);
std::string saveUsageRecord(UsageRecord& record, SaveMode mode);

}  // namespace companion
