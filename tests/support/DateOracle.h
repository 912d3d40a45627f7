#pragma once

// The civil calendar of the standard library (std::chrono), as an independent account of
// the program's dates: day numbers, month shifts that clamp the day, and the last day of a
// term laid on the calendar. Shared by the date, end-date and calendar-window tests, the
// monkey test and the fuzz targets.

#include "dates/CivilDate.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace zarn::testing {

namespace chr = std::chrono;

// Day 0 of the program's day numbers, and the first and last days it writes.
inline constexpr chr::sys_days kDayZero{chr::year{1899} / chr::December / 30};
inline constexpr chr::sys_days kFirstDay{chr::year{1} / chr::January / 1};
inline constexpr chr::sys_days kLastDay{chr::year{9999} / chr::December / 31};

inline DayNumber DayNumberOf(chr::sys_days day) {
    return static_cast<DayNumber>((day - kDayZero).count());
}

inline chr::sys_days DayOf(DayNumber number) {
    return kDayZero + chr::days{static_cast<std::int64_t>(number)};
}

inline DayNumber OracleDayNumber(int year, unsigned month, unsigned day) {
    return DayNumberOf(chr::sys_days{chr::year{year} / chr::month{month} / chr::day{day}});
}

inline chr::year_month_day OracleCivil(std::int64_t dayNumber) {
    return chr::year_month_day{kDayZero + chr::days{dayNumber}};
}

inline CivilDate CivilOf(const chr::year_month_day& date) {
    return CivilDate{static_cast<std::uint16_t>(static_cast<int>(date.year())),
                     static_cast<std::uint16_t>(static_cast<unsigned>(date.month())),
                     static_cast<std::uint16_t>(static_cast<unsigned>(date.day()))};
}

// The date `count` months on (back, when negative), the day clamped to the target month's
// length; nothing when the year leaves 1..9999. A day past 31/12/9999 only goes further on:
// it is refused before chrono splits it, which it cannot do past the year 32767 (144444444
// days from 2009 would come back as a date of the calendar).
inline std::optional<chr::sys_days> MonthsOn(chr::sys_days day, std::int64_t count) {
    if (day > kLastDay && count >= 0) {
        return std::nullopt;
    }
    const chr::year_month_day date{day};
    const std::int64_t months = std::int64_t{static_cast<int>(date.year())} * 12 +
                                std::int64_t{static_cast<unsigned>(date.month())} - 1 + count;
    const std::int64_t year = months >= 0 ? months / 12 : -1;
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    const chr::year_month target{chr::year{static_cast<int>(year)},
                                 chr::month{static_cast<unsigned>(months % 12 + 1)}};
    return chr::sys_days{target / std::min(date.day(), (target / chr::last).day())};
}

// A term laid on the calendar from `start`: the days, then the months, then the years (a
// count that is not positive is not applied). Nothing when a shift leaves the years 1..9999.
inline std::optional<chr::sys_days> OracleLaidTerm(chr::sys_days start, std::int64_t years,
                                                   std::int64_t months, std::int64_t days) {
    chr::sys_days day = start + chr::days{std::max<std::int64_t>(days, 0)};
    for (const std::int64_t count : {months, 12 * years}) {
        if (count > 0) {
            const std::optional<chr::sys_days> shifted = MonthsOn(day, count);
            if (!shifted) {
                return std::nullopt;
            }
            day = *shifted;
        }
    }
    return day;
}

// The last day of a term served from `start`: the term laid on the calendar, less one day.
inline std::optional<chr::sys_days> OracleEndDate(chr::sys_days start, std::int64_t years,
                                                  std::int64_t months, std::int64_t days) {
    const std::optional<chr::sys_days> laid = OracleLaidTerm(start, years, months, days);
    return laid ? std::optional(*laid - chr::days{1}) : std::nullopt;
}

// "dd/mm/yyyy", the year with at least four digits.
inline std::string DateText(chr::sys_days day) {
    const chr::year_month_day date{day};
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

} // namespace zarn::testing
