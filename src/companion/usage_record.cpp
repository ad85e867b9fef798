#include "companion/usage_record.h"

#include "companion/greetings.h"
#include "platform/ini_file.h"
#include "platform/regular_file.h"
#include "platform/session_names.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
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

std::string recordFileName(const std::string& path) { return "利用記録ファイル（" + path + "）"; }

// A missing file is an empty record; one that is there but cannot be read (a folder, a FIFO or a
// device in its place, one far too large) gives why, so that it is not replaced by a record that has
// lost everybody else's slots.
std::optional<IniFile> openRecordFile(const std::string& path, std::string& problem) {
    const platform::FileBytes file = platform::readRegularFile(path, platform::kMostTextFileBytes);
    if (file.problem && platform::isMissing(*file.problem)) return IniFile();
    if (file.problem) {
        problem = recordFileName(path) + "を読めません。" + platform::japaneseReason(*file.problem);
        return std::nullopt;
    }
    return IniFile::fromBytes(file.bytes);
}

// The user's configuration folder may not exist yet when the record first moves there.
std::string saveRecordFile(const IniFile& ini, const UsageRecord& record) {
    std::error_code error;
    std::filesystem::create_directories(record.Folder, error);
    const std::string path = usageRecordPath(record);
    const auto problem = ini.save(path);
    return problem ? recordFileName(path) + "を保存できません。" + platform::japaneseReason(*problem) : std::string();
}

LocalDateTime dateOr(const IniFile& ini, const std::string& section, const char* key, LocalDateTime fallback) {
    return platform::parseDateStamp(ini.readString(section, key, "")).value_or(fallback);
}

// A run count; one too large for its range (written by hand, or by a program that let it grow) is
// taken as the largest, not as no count at all, which would make the user a new one.
std::int32_t storedCount(const std::string& text) {
    if (const auto count = platform::parseWholeNumber(text)) return *count;
    const std::string_view digits = platform::trimBlanks(text);
    const bool large = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    return large ? std::numeric_limits<std::int32_t>::max() : 0;
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
        slot.runCount = storedCount(ini.readString(section, "times_all", ""));
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

    // A record that cannot be read is left alone; the save at the end meets it again and says why.
    std::string unreadable;
    const std::optional<IniFile> found = openRecordFile(usageRecordPath(record), unreadable);
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
    // A count at the top of its range stays there rather than turning negative.
    if (slot.runCount < std::numeric_limits<std::int32_t>::max()) ++slot.runCount;
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
    std::string unreadable;
    std::optional<IniFile> ini = openRecordFile(path, unreadable);
    if (!ini) return unreadable;

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
