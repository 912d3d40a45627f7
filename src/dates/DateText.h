#pragma once

// Date texts: reading a date typed by the user and writing one as "dd/mm/yyyy", under the
// process-wide date settings (separator and short date pattern) as they stand at the call.

#include "dates/CivilDate.h"

#include <string>
#include <string_view>

namespace zarn {

// A year written with one or two digits is read within this many years before or after the
// current year (with the current year 2026: 76 is 1976, 75 is 2075).
inline constexpr int kTwoDigitYearWindow = 50;

// Reads "day, month and year" in the part order of the settings' pattern (day first, month
// first or year first), the numbers parted by the settings' separator with blanks allowed
// around them. Without a year the current year is taken. Throws DateError with the message
// "'<text>' is not a valid date" for a text that is not a valid date.
DayNumber ReadDateText(std::string_view text);

// Writes the date as two-digit day, two-digit month and a year of at least four digits,
// parted by the settings' separator: 05/03/2010. A day number that names no date is written
// 00/00/0000 (see CivilFromDate).
std::string WriteDateText(DayNumber date);

} // namespace zarn
