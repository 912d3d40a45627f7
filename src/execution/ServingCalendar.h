#pragma once

// The days a person was serving, as the periods of the case give them, and the two
// operations of law.md 10 on them: measuring the time served before or through a date, and
// laying a requirement across the periods and the gaps between them. On the 360/30 base a
// stretch is measured "data a data" (law.md 1) and a span laid by its years, months and
// days; in calendar days both are plain day counts.

#include "dates/CivilDate.h"
#include "law/SpanLayout.h"

#include <optional>
#include <vector>

namespace zarn {

// A stretch of serving, both days counted; no last day while it runs on.
struct ServingStretch {
    DayNumber First = 0;
    std::optional<DayNumber> Last;
};

// Where a requirement falls: the day it is due from, or none while no period is open to
// serve it in (the person is waiting to return); OutOfCalendar when the day would come
// after 31/12/9999.
struct LaidRequirement {
    std::optional<DayNumber> DueFrom;
    bool OutOfCalendar = false;
};

class ServingCalendar {
public:
    // The stretches in order, none overlapping another; only the last may run on.
    ServingCalendar(std::vector<ServingStretch> stretches, CountingConvention convention);

    CountingConvention Convention() const { return m_convention; }
    const std::vector<ServingStretch>& Stretches() const { return m_stretches; }
    DayNumber FirstDay() const { return m_stretches.front().First; }

    // The days from `first` to `last`, both counted (first <= last).
    long long Measure(DayNumber first, DayNumber last) const;

    // The periods up to the day before `date`; through `date` itself.
    long long ServedBefore(DayNumber date) const;
    long long ServedThrough(DayNumber date) const;

    // Whether `date` falls in a period.
    bool ServingOn(DayNumber date) const;

    // law.md 10, "Laying a requirement": `needed` days (after the credits are taken off)
    // served from the data-base, period by period. Nothing needed is due on the data-base.
    LaidRequirement Lay(DayNumber dataBase, long long needed) const;

private:
    std::vector<ServingStretch> m_stretches;
    CountingConvention m_convention;
};

// law.md 1: the stretch from `first` to `last`, both counted, "data a data": whole years,
// then whole months, then days, as 360 y + 30 m + d.
long long MeasureDataAData(DayNumber first, DayNumber last);

} // namespace zarn
