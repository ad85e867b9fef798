#include "companion/usage_record.h"

#include "companion/greetings.h"
#include "platform/ini_file.h"
#include "platform/session_names.h"
#include "platform/text_codec.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace companion {
namespace {

using platform::IniFile;

constexpr const char* kMachine = "machine";
constexpr const char* kApplication = "ap";
constexpr const char* kOptions = "option";

std::string slotSection(int index) {
    char name[8];
    std::snprintf(name, sizeof name, "user%02d", index);
    return name;
}

// A missing file is an empty record; one that is there but cannot be read is nullopt, so that it
// is not replaced by a record that has lost everybody else's slots.
std::optional<IniFile> openRecordFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return IniFile();
    return IniFile::load(path);
}

// The user's configuration folder may not exist yet when the record first moves there.
std::string saveRecordFile(const IniFile& ini, const UsageRecord& record) {
    std::error_code error;
    std::filesystem::create_directories(record.Folder, error);
    return ini.save(usageRecordPath(record));
}

LocalDateTime dateOr(const IniFile& ini, const std::string& section, const char* key, LocalDateTime fallback) {
    return platform::parseDateStamp(ini.readString(section, key, "")).value_or(fallback);
}

void readUserSlots(const IniFile& ini, UsageRecord& record, LocalDateTime now) {
    for (int i = 0; i < kUserSlotCount; ++i) {
        const std::string section = slotSection(i);
        UserSlot& slot = record.UserSlots[static_cast<std::size_t>(i)];
        slot = UserSlot{};
        slot.name = ini.readString(section, "name", "");
        if (slot.name.empty()) continue;
        if (slot.name == record.User && !record.UserSlotIndex) record.UserSlotIndex = i;
        slot.firstUse = dateOr(ini, section, "start", now);
        slot.lastStart = dateOr(ini, section, "time_s", now);
        slot.lastEnd = dateOr(ini, section, "time_e", now);
        slot.runCount = ini.readInteger(section, "times_all", 0);
    }
}

// A new user takes the first free slot, or else the slot of the user who left longest ago. When no
// slot ended before now (every end unreadable and so taken as now, or a clock set back), slot 0 is
// taken rather than none.
int slotForNewUser(const UsageRecord& record, LocalDateTime now) {
    for (int i = 0; i < kUserSlotCount; ++i) {
        if (record.UserSlots[static_cast<std::size_t>(i)].name.empty()) return i;
    }
    int chosen = 0;
    LocalDateTime earliest = now;
    for (int i = 0; i < kUserSlotCount; ++i) {
        const LocalDateTime end = record.UserSlots[static_cast<std::size_t>(i)].lastEnd;
        if (end < earliest) {
            earliest = end;
            chosen = i;
        }
    }
    return chosen;
}

}  // namespace

UsageEnvironment currentEnvironment() {
    return UsageEnvironment{platform::localNow(), platform::computerName(), platform::logOnUserName()};
}

std::string usageRecordPath(const UsageRecord& record) { return record.Folder + "/" + record.AppName + "_oha.ini"; }

bool loadUsageRecord(UsageRecord& record, const UsageEnvironment& environment) {
    const LocalDateTime now = environment.now;
    record.UserSlotIndex.reset();
    record.LastGreetingTime = now;
    record.Machine = environment.machine;
    record.User = environment.user;
    if (record.AppName.empty() || record.Folder.empty()) return false;

    const std::optional<IniFile> found = openRecordFile(usageRecordPath(record));
    IniFile ini = found.value_or(IniFile());

    record.StoredMachine = ini.readString(kMachine, "name", "");
    if (record.StoredMachine != record.Machine) ini.writeString(kMachine, "name", record.Machine);
    record.StoredUser = ini.readString(kMachine, "user", "");
    if (record.StoredUser != record.User) ini.writeString(kMachine, "user", record.User);

    record.StoredVersion = ini.readInteger(kApplication, "var", 0);
    const bool versionChanged = record.StoredVersion != record.Version;
    if (versionChanged) ini.writeString(kApplication, "var", std::to_string(record.Version));

    const std::string defaultUrl = record.HomepageUrl;
    const std::string storedUrl = ini.readString(kApplication, "url", "");
    if (platform::trimBlanks(storedUrl).empty() || versionChanged) {
        record.HomepageUrl = defaultUrl;
        ini.writeString(kApplication, "url", defaultUrl);
    } else {
        record.HomepageUrl = storedUrl;
    }

    for (int i = 0; i < kOptionCount; ++i) {
        const std::string& key = record.OptionKeys[static_cast<std::size_t>(i)];
        if (!key.empty()) record.OptionValues[static_cast<std::size_t>(i)] = ini.readString(kOptions, key, "");
    }

    readUserSlots(ini, record, now);
    if (!record.UserSlotIndex) {
        record.UserSlotIndex = slotForNewUser(record, now);
        record.UserSlots[static_cast<std::size_t>(*record.UserSlotIndex)].runCount = 0;
    }
    UserSlot& slot = record.UserSlots[static_cast<std::size_t>(*record.UserSlotIndex)];
    record.UserSection = slotSection(*record.UserSlotIndex);
    if (slot.runCount == 0) {
        ini.writeString(record.UserSection, "name", record.User);
        ini.writeString(record.UserSection, "start", platform::formatDateStamp(now));
        slot.name = record.User;
        slot.firstUse = slot.lastStart = slot.lastEnd = now;
    }

    ini.writeString(record.UserSection, "time_s", platform::formatDateStamp(now));
    ++slot.runCount;
    record.UseCount = slot.runCount;
    record.ThisStart = now;
    record.PreviousStart = slot.lastStart;
    record.PreviousEnd = slot.lastEnd;
    record.FirstUse = slot.firstUse;
    ini.writeString(record.UserSection, "times_all", std::to_string(slot.runCount));

    // A record that cannot be written must not keep the program from running: the save at the end
    // meets the same fault and reports it once.
    if (found) saveRecordFile(ini, record);

    record.ChartsMade = 0;
    refreshGreetingTitle(record);
    return true;
}

bool loadUsageRecord(UsageRecord& record) { return loadUsageRecord(record, currentEnvironment()); }

std::string saveUsageRecord(UsageRecord& record, SaveMode mode, LocalDateTime now) {
    if (record.AppName.empty() || record.Folder.empty()) return {};
    const std::string path = usageRecordPath(record);
    std::optional<IniFile> ini = openRecordFile(path);
    if (!ini) return "cannot read " + path;

    record.PreviousEnd = now;
    if (!record.UserSection.empty()) ini->writeString(record.UserSection, "time_e", platform::formatDateStamp(now));
    if (mode == SaveMode::ForgetOptions) {
        ini->eraseSection(kOptions);
    } else {
        for (int i = 0; i < kOptionCount; ++i) {
            const std::string& key = record.OptionKeys[static_cast<std::size_t>(i)];
            const std::string& value = record.OptionValues[static_cast<std::size_t>(i)];
            // An empty value keeps what an earlier run stored.
            if (!key.empty() && !value.empty()) ini->writeString(kOptions, key, value);
        }
    }
    return saveRecordFile(*ini, record);
}

std::string saveUsageRecord(UsageRecord& record, SaveMode mode) { return saveUsageRecord(record, mode, platform::localNow()); }

}  // namespace companion
