#include "companion/usage_facts.h"

#include <chrono>
#include <cstdio>

namespace companion {
namespace {

using namespace std::chrono;

// Numbers as the user's locale shows them: thousands grouped with commas.
std::string grouped(long long whole) {
    std::string digits = std::to_string(whole < 0 ? -whole : whole);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
    return whole < 0 ? "-" + digits : digits;
}

// The version is kept times 100: 100 is 1.00.
std::string versionText(std::int32_t version) {
    char hundredths[4];
    std::snprintf(hundredths, sizeof hundredths, "%02d", static_cast<int>(version < 0 ? -version : version) % 100);
    return (version < 0 && version > -100 ? "-" : "") + grouped(version / 100) + "." + hundredths;
}

std::string dayText(LocalDateTime moment) {
    const year_month_day day(floor<days>(moment));
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()));
    return text;
}

std::string installationFolder(const std::string& cfgFolder) {
    std::string folder = cfgFolder;
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder.substr(0, folder.rfind('/') + 1);
}

}  // namespace

std::vector<std::string> usageFacts(const UsageRecord& record, const std::string& cfgFolder) {
    return {
        "テサリー Ver" + versionText(record.Version),
        "利用開始日 " + dayText(record.FirstUse),
        "前回利用日 " + dayText(record.PreviousStart),
        "利用回数    " + grouped(record.UseCount) + "回",
        "利用マシン " + record.Machine,
        "利用ユーザ " + record.User + " 様",
        "ｲﾝｽﾄｰﾙ先   " + installationFolder(cfgFolder),
    };
}

}  // namespace companion
