#pragma once

// Today's date. Every reading of the system clock goes through Today(), so that tests can
// fix the date (and with it the current year that date reading uses).

#include "dates/CivilDate.h"

#include <optional>

namespace zarn {

// Today's local calendar date: the date set for testing if there is one, otherwise the
// system clock's.
CivilDate Today();

// Fixes the date Today() gives until it is called again; std::nullopt returns to the system
// clock. Throws std::invalid_argument for a date that fails CivilDateValid.
void SetTodayForTesting(std::optional<CivilDate> today);

// The day number of today, with no time of day.
DayNumber CurrentDate();

} // namespace zarn
