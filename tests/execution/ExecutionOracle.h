#pragma once

// An independent account of the execution's two calendar operations (law.md 1), on the
// standard library's calendar: measuring a period "data a data" and laying a span of days.

#include "support/DateOracle.h"

#include <chrono>
#include <cstdint>

namespace zarn::testing {

// The days from `first` to `last`, both counted: whole years, then whole months from there,
// then days, as 360 y + 30 m + d.
inline long long OracleMeasure(DayNumber first, DayNumber last) {
    const chr::sys_days start = DayOf(first);
    const chr::sys_days after = DayOf(last) + chr::days{1};
    std::int64_t years = 0;
    for (auto next = MonthsOn(start, 12); next && *next <= after;
         next = MonthsOn(start, 12 * (years + 1))) {
        ++years;
    }
    const chr::sys_days yearsOn = years > 0 ? *MonthsOn(start, 12 * years) : start;
    std::int64_t months = 0;
    for (auto next = MonthsOn(yearsOn, 1); next && *next <= after;
         next = MonthsOn(yearsOn, months + 1)) {
        ++months;
    }
    const chr::sys_days monthsOn = months > 0 ? *MonthsOn(yearsOn, months) : yearsOn;
    return 360 * years + 30 * months + (after - monthsOn).count();
}

// The day a span of base days leads to: its days, then its months, then its years.
inline DayNumber OracleLay(DayNumber from, long long days) {
    return DayNumberOf(*OracleLaidTerm(DayOf(from), days / 360, days % 360 / 30, days % 30));
}

} // namespace zarn::testing
