#include "dates/CivilDate.h"

#include "dates/DateError.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

// Days in 1, 4, 100 and 400 Gregorian years.
constexpr std::int64_t kDaysPerYear = 365;
constexpr std::int64_t kDaysPer4Years = 4 * kDaysPerYear + 1;
constexpr std::int64_t kDaysPer100Years = 25 * kDaysPer4Years - 1;
constexpr std::int64_t kDaysPer400Years = 4 * kDaysPer100Years + 1;

// Day number of 31/12/0000, the day before the first date: day numbers are counted from it.
constexpr std::int64_t kDayBeforeFirstDate = 693594;

constexpr std::int64_t kMonthsPerYear = 12;

const std::array<std::uint16_t, 12>& MonthRow(std::uint16_t year) {
    return kMonthLengths[LeapYear(year) ? 1 : 0];
}

[[noreturn]] void FailDateEncode() {
    throw DateError(kDateEncodeError);
}

// Keeps the time of day of `from` on the whole day `day`. A negative day number carries its
// time of day as the magnitude of its fraction, so the fraction is moved across as such.
DayNumber WithTimeOfDay(DayNumber day, DayNumber from) {
    const DayNumber timeOfDay = std::fabs(from - std::trunc(from));
    return day >= 0 ? day + timeOfDay : day - timeOfDay;
}

DayNumber ShiftByMonths(DayNumber date, std::int64_t count) {
    const CivilDate start = CivilFromDate(date);
    std::int64_t year = start.Year + count / kMonthsPerYear;
    std::int64_t month = start.Month + count % kMonthsPerYear;
    if (month < 1 || month > kMonthsPerYear) {
        const std::int64_t carry = count >= 0 ? 1 : -1;
        year += carry;
        month -= kMonthsPerYear * carry;
    }
    // A start that names no date (00/00/0000) can leave the month outside 1..12 even after
    // the carry; such a shift, like one that leaves the years 1..9999, has no date.
    if (month < 1 || month > kMonthsPerYear || year < kFirstYear || year > kLastYear) {
        FailDateEncode();
    }
    const auto targetYear = static_cast<std::uint16_t>(year);
    const auto targetMonth = static_cast<std::uint16_t>(month);
    const std::uint16_t day = std::min(start.Day, MonthLength(targetYear, targetMonth));
    return WithTimeOfDay(DateFromCivil(targetYear, targetMonth, day), date);
}

} // namespace

bool LeapYear(std::uint16_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::uint16_t MonthLength(std::uint16_t year, std::uint16_t month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return MonthRow(year)[month - 1U];
}

bool CivilDateValid(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1) {
        return false;
    }
    return day <= MonthLength(year, month);
}

DayNumber DateFromCivil(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (!CivilDateValid(year, month, day)) {
        FailDateEncode();
    }
    const auto& row = MonthRow(year);
    std::int64_t dayOfYear = day;
    for (std::size_t m = 0; m + 1 < month; ++m) {
        dayOfYear += row[m];
    }
    const std::int64_t y = year - 1;
    const std::int64_t days =
        y * kDaysPerYear + y / 4 - y / 100 + y / 400 + dayOfYear - kDayBeforeFirstDate;
    return static_cast<DayNumber>(days);
}

CivilDate CivilFromDate(DayNumber date) {
    const DayNumber whole = std::trunc(date);
    if (!(whole >= kFirstDayNumber && whole <= kLastSplittableDayNumber)) {
        return CivilDate{};
    }
    // Days elapsed since 01/01/0001, split into whole 400-, 100-, 4- and 1-year spans. The
    // last day of a 400-year span is the 366th day of its last year, hence the caps at 3.
    std::int64_t rest = static_cast<std::int64_t>(whole) + kDayBeforeFirstDate - 1;
    const std::int64_t spans400 = rest / kDaysPer400Years;
    rest %= kDaysPer400Years;
    const std::int64_t spans100 = std::min<std::int64_t>(rest / kDaysPer100Years, 3);
    rest -= spans100 * kDaysPer100Years;
    const std::int64_t spans4 = rest / kDaysPer4Years;
    rest %= kDaysPer4Years;
    const std::int64_t spans1 = std::min<std::int64_t>(rest / kDaysPerYear, 3);
    rest -= spans1 * kDaysPerYear;

    CivilDate result;
    result.Year =
        static_cast<std::uint16_t>(1 + 400 * spans400 + 100 * spans100 + 4 * spans4 + spans1);
    const auto& row = MonthRow(result.Year);
    std::size_t month = 0;
    while (rest >= row[month]) {
        rest -= row[month];
        ++month;
    }
    result.Month = static_cast<std::uint16_t>(month + 1);
    result.Day = static_cast<std::uint16_t>(rest + 1);
    return result;
}

DayNumber AddDays(DayNumber date, std::int32_t count) {
    return date + count;
}

DayNumber AddMonths(DayNumber date, std::int32_t count) {
    return ShiftByMonths(date, count);
}

DayNumber AddYears(DayNumber date, std::int32_t count) {
    return ShiftByMonths(date, kMonthsPerYear * std::int64_t{count});
}

} // namespace zarn
