#include "prescription/DatedPeriod.h"

#include "dates/DateError.h"
#include "law/LawTables.h"

#include <cstdint>

namespace zarn {

namespace {

// A shift of more years than the calendar holds can never land in it.
constexpr long long kMonthsOfTheCalendar = kMonthsPerYear * kLastYear;

// AddMonths, with nothing where it would leave the calendar.
std::optional<DayNumber> MonthsOn(DayNumber from, long long count) {
    if (count < 0 || count > kMonthsOfTheCalendar) {
        return std::nullopt;
    }
    if (count == 0) {
        return from;
    }
    try {
        return AddMonths(from, static_cast<std::int32_t>(count));
    } catch (const DateError&) {
        return std::nullopt;
    }
}

// True when `from` shifted by AddMonths is on or before `limit`.
bool MonthsOnFit(DayNumber from, long long count, DayNumber limit) {
    const std::optional<DayNumber> shifted = MonthsOn(from, count);
    return shifted && *shifted <= limit;
}

} // namespace

std::optional<DayNumber> ShiftedByMonths(DayNumber from, long long months) {
    if (months < 0) {
        return std::nullopt;
    }
    const std::optional<DayNumber> afterMonths = MonthsOn(from, months % kMonthsPerYear);
    if (!afterMonths) {
        return std::nullopt;
    }
    return MonthsOn(*afterMonths, months / kMonthsPerYear * kMonthsPerYear);
}

std::optional<DayNumber> LastDayOfPeriod(DayNumber first, long long months) {
    const std::optional<DayNumber> after = ShiftedByMonths(first, months);
    if (!after || *after - 1 > kLastDayNumber) {
        return std::nullopt;
    }
    return *after - 1;
}

DatedLength MeasureDated(DayNumber first, DayNumber last) {
    DatedLength length;
    const DayNumber end = last + 1;
    if (end <= first) {
        return length;
    }
    // The years of the calendar between them bound the whole years from above.
    long long years = CivilFromDate(end).Year - CivilFromDate(first).Year;
    while (years > 0 && !MonthsOnFit(first, years * kMonthsPerYear, end)) {
        --years;
    }
    const DayNumber afterYears = *MonthsOn(first, years * kMonthsPerYear);
    // Months are shifted from the day the years reached, so a 29 February clamped by the
    // years stays clamped and the months may run to twelve.
    long long months = 0;
    while (MonthsOnFit(afterYears, months + 1, end)) {
        ++months;
    }
    length.Years = years;
    length.Months = months;
    length.Days = static_cast<long long>(end - *MonthsOn(afterYears, months));
    return length;
}

} // namespace zarn
