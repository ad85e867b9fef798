#include "platform/date_time.h"

#include "platform/text_codec.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace platform {

using namespace std::chrono;

LocalDateTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const local_days day{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    // tm_sec may be 60 in a leap second; the stamp has no room for it.
    return day + hours{local.tm_hour} + minutes{local.tm_min} + seconds{std::min(local.tm_sec, 59)};
}

std::string formatDateStamp(LocalDateTime moment) {
    const local_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss time{moment - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string formatIsoDate(LocalDateTime moment) {
    const year_month_day date{floor<days>(moment)};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    return text;
}

std::optional<LocalDateTime> parseDateStamp(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() < 14) return std::nullopt;
    int fields[6];
    const std::size_t starts[] = {0, 4, 6, 8, 10, 12, 14};
    for (int i = 0; i < 6; ++i) {
        const auto number = parseWholeNumber(text.substr(starts[i], starts[i + 1] - starts[i]));
        if (!number) return std::nullopt;
        fields[i] = *number;
    }
    const year_month_day date{year{fields[0]}, month{static_cast<unsigned>(fields[1])}, day{static_cast<unsigned>(fields[2])}};
    // Years run from 1 to 9999, as in the record's four digits.
    if (fields[0] < 1 || fields[1] < 1 || fields[2] < 1 || !date.ok()) return std::nullopt;
    if (fields[3] < 0 || fields[3] > 23 || fields[4] < 0 || fields[4] > 59 || fields[5] < 0 || fields[5] > 59) return std::nullopt;
    return local_days{date} + hours{fields[3]} + minutes{fields[4]} + seconds{fields[5]};
}

}  // namespace platform
