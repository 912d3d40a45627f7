#pragma once

// The calendar of prescription, on the program's own date services (dates/CivilDate.h):
// laying a period of years and months from its first day, and measuring the days between
// two dates in years, months and days (law.md 1 and 12).

#include "dates/CivilDate.h"

#include <optional>

namespace zarn {

// The first and the last day of a stretch of days, both counted.
struct DayRange {
    DayNumber First = 0;
    DayNumber Last = 0;
};

// `from` shifted by the months, then by the years of a count of months; nothing when the
// year leaves 01..9999.
std::optional<DayNumber> ShiftedByMonths(DayNumber from, long long months);

// The last day of a period of `months` months that starts on `first` (CP art. 10): the
// shifted day less one. Nothing beyond 31/12/9999.
std::optional<DayNumber> LastDayOfPeriod(DayNumber first, long long months);

struct DatedLength {
    long long Years = 0;
    long long Months = 0;
    long long Days = 0;

    // On the 360/30 base.
    long long BaseDays() const { return 360 * Years + 30 * Months + Days; }
};

// From `first` to `last`, both counted, "data a data": the most whole years, then the most
// whole months, then the days left. A `last` the day before `first` measures nothing.
DatedLength MeasureDated(DayNumber first, DayNumber last);

} // namespace zarn
