#pragma once

// One analysis of one kind of prescription as it is built: its period laid from the first
// day of each interval, lengthened by the suspended days that fall inside the period, and
// checked against the marco that ends the interval or against the date of the calculation
// (law.md 12).

#include "prescription/DatedPeriod.h"
#include "prescription/PrescriptionReport.h"

#include <string>
#include <utility>
#include <vector>

namespace zarn {

class PeriodRun {
public:
    // `suspended`: the days the period does not run, in order and apart from each other.
    PeriodRun(PrescriptionKind kind, long long penaltyDays, long long periodMonths,
              std::vector<DayRange> suspended);

    // The interval from `from` to the day before `next`, the marco that interrupts or closes
    // it: reached when the period's last day comes before `next` (a marco on the last day
    // interrupts in time). Nothing is added when `next` is not after `from`.
    void CloseAt(DayNumber from, DayNumber next);

    // The last interval, from `from` to the date of the calculation: reached when the
    // period's last day is before that date; otherwise that day is when it will prescribe.
    void RunTo(DayNumber from, DayNumber calculation);

    void Note(std::string note);

    bool Prescribed() const { return m_analysis.PrescribedOn.has_value(); }
    const PrescriptionAnalysis& Analysis() const { return m_analysis; }
    // The analysis built; the run is spent.
    PrescriptionAnalysis Take() { return std::move(m_analysis); }

private:
    // The last day of the period from `from`, later by the suspended days inside [from, to]
    // that begin before it ends; nothing beyond the calendar. Counts those days.
    std::optional<DayNumber> LastDay(DayNumber from, DayNumber to, long long& suspendedDays) const;
    // Adds the interval [from, to]; returns the period's last day when it was reached.
    std::optional<DayNumber> AddInterval(DayNumber from, DayNumber to, DayNumber reachedBefore,
                                         std::optional<DayNumber>& lastDay);
    void NoteBeyondCalendar();

    PrescriptionAnalysis m_analysis;
    long long m_months;
    std::vector<DayRange> m_suspended;
    bool m_beyondCalendarNoted = false;
};

} // namespace zarn
