#include "prescription/PeriodRun.h"

#include "law/LawTables.h"

#include <algorithm>
#include <utility>

namespace zarn {

PeriodRun::PeriodRun(PrescriptionKind kind, long long penaltyDays, long long periodMonths,
                     std::vector<DayRange> suspended)
    : m_months(periodMonths)
    , m_suspended(std::move(suspended)) {
    m_analysis.Kind = kind;
    m_analysis.PenaltyDays = penaltyDays;
    m_analysis.Period =
        PrescriptionPeriod{periodMonths / kMonthsPerYear, periodMonths % kMonthsPerYear};
}

void PeriodRun::CloseAt(DayNumber from, DayNumber next) {
    if (next <= from) {
        return;
    }
    std::optional<DayNumber> lastDay;
    const std::optional<DayNumber> reached = AddInterval(from, next - 1, next, lastDay);
    if (reached && !Prescribed()) {
        m_analysis.PrescribedOn = reached;
    }
}

void PeriodRun::RunTo(DayNumber from, DayNumber calculation) {
    std::optional<DayNumber> lastDay;
    const std::optional<DayNumber> reached = AddInterval(from, calculation, calculation, lastDay);
    if (Prescribed()) {
        return;
    }
    if (reached) {
        m_analysis.PrescribedOn = reached;
    } else if (lastDay) {
        m_analysis.PrescribesOn = lastDay;
    }
}

void PeriodRun::Note(std::string note) {
    m_analysis.Notes.push_back(std::move(note));
}

std::optional<DayNumber> PeriodRun::LastDay(DayNumber from, DayNumber to,
                                            long long& suspendedDays) const {
    std::optional<DayNumber> last = LastDayOfPeriod(from, m_months);
    for (const DayRange& range : m_suspended) {
        const DayNumber first = std::max(range.First, from);
        const DayNumber end = std::min(range.Last, to);
        if (first > end) {
            continue;
        }
        const auto days = static_cast<long long>(end - first) + 1;
        suspendedDays += days;
        // A suspension that begins once the period has ended cannot bring it back.
        if (last && first <= *last) {
            last = *last + static_cast<DayNumber>(days);
            if (*last > kLastDayNumber) {
                last.reset();
            }
        }
    }
    return last;
}

std::optional<DayNumber> PeriodRun::AddInterval(DayNumber from, DayNumber to,
                                                DayNumber reachedBefore,
                                                std::optional<DayNumber>& lastDay) {
    PrescriptionInterval interval;
    interval.From = from;
    interval.To = to;
    const DatedLength length = MeasureDated(from, to);
    interval.Years = length.Years;
    interval.Months = length.Months;
    interval.Days = length.Days;
    lastDay = LastDay(from, to, interval.SuspendedDays);
    if (!lastDay) {
        NoteBeyondCalendar();
    }
    interval.Reached = lastDay && *lastDay < reachedBefore;
    m_analysis.Intervals.push_back(interval);
    return interval.Reached ? lastDay : std::nullopt;
}

void PeriodRun::NoteBeyondCalendar() {
    if (m_beyondCalendarNoted) {
        return;
    }
    m_beyondCalendarNoted = true;
    Note("O prazo termina depois de 31/12/9999, al\xE9m do calend\xE1rio do programa.");
}

} // namespace zarn
