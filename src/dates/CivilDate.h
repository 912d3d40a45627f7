#pragma once

// Civil dates of the proleptic Gregorian calendar and the day numbers that count them.
//
// A DayNumber counts days from 30/12/1899 (day 0); earlier dates are negative. Its whole
// part, taken toward zero, is the date; a fraction would be a time of day, which Zarn never
// sets. The dates Zarn works with run from 01/01/0001 to 31/12/9999.

#include <array>
#include <cstdint>

namespace zarn {

using DayNumber = double;

// Year, month and day; all zero when a day number names no date (see CivilFromDate).
struct CivilDate {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

inline constexpr std::uint16_t kFirstYear = 1;
inline constexpr std::uint16_t kLastYear = 9999;

// 01/01/0001 and 31/12/9999.
inline constexpr DayNumber kFirstDayNumber = -693593.0;
inline constexpr DayNumber kLastDayNumber = 2958465.0;

// 31/12/65535, the last day whose year a CivilDate can hold.
inline constexpr DayNumber kLastSplittableDayNumber = 23242572.0;

inline constexpr const char* kDateEncodeError = "Invalid argument to date encode";

// Month lengths: row 0 for common years, row 1 for leap years.
inline constexpr std::array<std::array<std::uint16_t, 12>, 2> kMonthLengths{{
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
}};

// Divisible by 4, and either not by 100 or by 400.
bool LeapYear(std::uint16_t year);

// 28, 29, 30 or 31 for a month 1..12; 0 for any other month, which has no length.
std::uint16_t MonthLength(std::uint16_t year, std::uint16_t month);

// True exactly when 1 <= year <= 9999, 1 <= month <= 12 and 1 <= day <= the month's length.
bool CivilDateValid(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The day number of a valid civil date. Throws DateError(kDateEncodeError) otherwise.
DayNumber DateFromCivil(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The civil date named by the whole part (toward zero) of a day number. Past 31/12/9999 the
// calendar simply goes on into the year 10000 and beyond, as far as 31/12/65535. A day
// number that names no such date (before 01/01/0001, after 31/12/65535, NaN, infinite)
// gives 00/00/0000.
CivilDate CivilFromDate(DayNumber date);

// The day number plus the count.
DayNumber AddDays(DayNumber date, std::int32_t count);

// Shifts a date by whole months. A day beyond the length of the target month becomes that
// length (31/01 + 1 month is the last day of February, never a day of March). The time of
// day, if any, is kept. Throws DateError(kDateEncodeError) when the year leaves 1..9999.
DayNumber AddMonths(DayNumber date, std::int32_t count);

// AddMonths by twelve times the count.
DayNumber AddYears(DayNumber date, std::int32_t count);

} // namespace zarn
