#include "platform/era_date.h"

#include <memory>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace platform {

std::string eraDateText(std::chrono::year_month_day date) {
    // The era table comes from ICU, so that a new era needs no change here. Everything happens in
    // GMT at noon: the date is a calendar day, and no time zone must move it to a neighbour.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale japanese("ja_JP@calendar=japanese");
    icu::GregorianCalendar gregorian(*icu::TimeZone::getGMT(), status);
    gregorian.clear();
    gregorian.set(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())) - 1,
                  static_cast<int>(static_cast<unsigned>(date.day())), 12, 0, 0);
    const UDate moment = gregorian.getTime(status);

    // "y=latn" keeps the year a plain number: ICU would otherwise write the first year as 元年.
    icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8("Gy'年'M'月'd'日('EEEE')'  "),
                                 icu::UnicodeString("y=latn"), japanese, status);
    format.adoptCalendar(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, status));
    if (U_FAILURE(status)) return {};
    icu::UnicodeString text;
    format.format(moment, text);
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

}  // namespace platform
