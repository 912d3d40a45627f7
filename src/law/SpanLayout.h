#pragma once

// Laying a span of days on the calendar, under either counting convention.

#include "dates/CivilDate.h"

#include <optional>

namespace zarn {

// The day after 31/12/9999: a span laid on the calendar ends before it.
inline constexpr DayNumber kDayAfterCalendar = kLastDayNumber + 1;

enum class CountingConvention {
    Base360,      // the span split into years, months and days of the 360/30 base
    CalendarDays, // the span as that many days of the calendar
};

// The date a span of days >= 0 leads to from a date of the calendar. On the 360/30 base the
// span is split into years, months and days and the date shifted by the days, then the
// months, then the years, as the calendar window shifts for the end date; in calendar days
// it is shifted by the days alone. The furthest it goes is the day after 31/12/9999, so that
// a span can end on 31/12/9999; nothing when the date would go further (or a month or year
// shift would leave the years 1..9999, as the calendar window refuses it).
std::optional<DayNumber> LaySpan(DayNumber from, long long days, CountingConvention convention);

// The calendar days of a term on the 360/30 base laid from a date: from the first day to the
// last, both counted. Nothing when its last day leaves the calendar.
std::optional<long long> CalendarDaysOfTerm(DayNumber from, long long termDays);

} // namespace zarn
