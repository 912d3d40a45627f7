#include "law/SpanLayout.h"

#include "dates/DateError.h"
#include "engine/TermText.h"

#include <cstdint>

namespace zarn {

namespace {

bool InCalendar(DayNumber date) {
    return date >= kFirstDayNumber && date <= kLastDayNumber;
}

bool InCalendarOrDayAfter(DayNumber date) {
    return date >= kFirstDayNumber && date <= kDayAfterCalendar;
}

std::optional<DayNumber> LayCalendarDays(DayNumber from, long long days) {
    if (static_cast<DayNumber>(days) > kDayAfterCalendar - from) {
        return std::nullopt;
    }
    return AddDays(from, static_cast<std::int32_t>(days));
}

std::optional<DayNumber> LayBase360(DayNumber from, long long days) {
    const TermParts parts = SplitDays(days);
    if (parts.Years > kLastYear) {
        return std::nullopt;
    }
    // Days, then months, then years: a month shift clamps the day the days have reached.
    DayNumber date = AddDays(from, static_cast<std::int32_t>(parts.Days));
    if (!InCalendarOrDayAfter(date)) {
        return std::nullopt;
    }
    // A shift by none is no shift: the day after 31/12/9999 has no month to shift.
    try {
        if (parts.Months > 0) {
            date = AddMonths(date, static_cast<std::int32_t>(parts.Months));
        }
        if (parts.Years > 0) {
            date = AddYears(date, static_cast<std::int32_t>(parts.Years));
        }
    } catch (const DateError&) {
        return std::nullopt;
    }
    return date;
}

} // namespace

std::optional<DayNumber> LaySpan(DayNumber from, long long days, CountingConvention convention) {
    if (!InCalendar(from) || days < 0) {
        return std::nullopt;
    }
    const std::optional<DayNumber> date = convention == CountingConvention::Base360
                                              ? LayBase360(from, days)
                                              : LayCalendarDays(from, days);
    if (!date || !InCalendarOrDayAfter(*date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<long long> CalendarDaysOfTerm(DayNumber from, long long termDays) {
    const std::optional<DayNumber> after = LaySpan(from, termDays, CountingConvention::Base360);
    if (!after) {
        return std::nullopt;
    }
    return static_cast<long long>(*after - from);
}

} // namespace zarn
