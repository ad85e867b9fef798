#include "platform/date_time.h"
#include "platform/era_date.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using platform::formatDateStamp;
using platform::LocalDateTime;
using platform::parseDateStamp;

TEST(DateStamp, FormatsAndReadsBackFourteenDigits) {
    const LocalDateTime moment = local_days{2026y / 12 / 6} + 9h + 5min + 7s;
    EXPECT_EQ(formatDateStamp(moment), "20261206090507");
    EXPECT_EQ(parseDateStamp("20261206090507"), moment);
    EXPECT_EQ(formatDateStamp(local_days{1y / 1 / 1}), "00010101000000");
    // Only real dates and times are read.
    const struct {
        const char* text;
        std::optional<LocalDateTime> moment;
    } cases[] = {
        {"  20240229235959 ", local_days{2024y / 2 / 29} + 23h + 59min + 59s},
        {"20240229235959 and more", local_days{2024y / 2 / 29} + 23h + 59min + 59s},
        {"2024022923595", std::nullopt},   // too short
        {"20260230120000", std::nullopt},  // no 30 February
        {"20250229120000", std::nullopt},  // no leap year
        {"20261306120000", std::nullopt},
        {"00001206120000", std::nullopt},
        {"20261206240000", std::nullopt},
        {"20261206126000", std::nullopt},
        {"20261206120060", std::nullopt},
        {"2026120612000x", std::nullopt},
        {"2026-12-061200", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseDateStamp(c.text), c.moment) << c.text;
}

TEST(EraDate, NamesTheEraYearAndWeekdayAndEndsInTwoBlanks) {
    const struct {
        year_month_day date;
        const char* text;
    } cases[] = {
        {2019y / 4 / 30, "平成31年4月30日(火曜日)  "},
        {2019y / 5 / 1, "令和1年5月1日(水曜日)  "},
        {2026y / 12 / 6, "令和8年12月6日(日曜日)  "},
        {1989y / 1 / 7, "昭和64年1月7日(土曜日)  "},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::eraDateText(c.date), c.text);
}
