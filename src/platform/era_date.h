#pragma once

#include <chrono>
#include <string>

namespace platform {

// A date as the status line shows it: Japanese era and year in the era, month, day and weekday,
// followed by two blanks, as in "令和8年12月6日(日曜日)  ". The first year of an era is written as
// the number 1 ("令和1年"), not as "元年".
std::string eraDateText(std::chrono::year_month_day date);

}  // namespace platform
