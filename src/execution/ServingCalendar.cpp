#include "execution/ServingCalendar.h"

#include "dates/DateError.h"
#include "law/LawTables.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zarn {

namespace {

constexpr long long kDaysPerMonthOnBase = 30;

// The date `count` months on, or nothing when it leaves the years 1..9999.
std::optional<DayNumber> MonthsOn(DayNumber date, long long count) {
    try {
        return AddMonths(date, static_cast<std::int32_t>(count));
    } catch (const DateError&) {
        return std::nullopt;
    }
}

// The largest count from `estimate` down whose shift of `from` stays on or before `limit`:
// the estimate from the civil fields is at most one or two above it.
long long WholeShifts(DayNumber from, long long estimate, long long monthsPerShift,
                      DayNumber limit) {
    long long count = std::max(0LL, estimate);
    while (count > 0) {
        const std::optional<DayNumber> shifted = MonthsOn(from, count * monthsPerShift);
        if (shifted && *shifted <= limit) {
            break;
        }
        --count;
    }
    return count;
}

long long Field(std::uint16_t value) {
    return static_cast<long long>(value);
}

} // namespace

long long MeasureDataAData(DayNumber first, DayNumber last) {
    const DayNumber after = last + 1;
    const CivilDate start = CivilFromDate(first);
    const CivilDate end = CivilFromDate(after);
    const long long years =
        WholeShifts(first, Field(end.Year) - Field(start.Year), kMonthsPerYear, after);
    const DayNumber yearsOn = years > 0 ? *MonthsOn(first, years * kMonthsPerYear) : first;
    const CivilDate reached = CivilFromDate(yearsOn);
    const long long monthsEstimate = (Field(end.Year) - Field(reached.Year)) * kMonthsPerYear +
                                     Field(end.Month) - Field(reached.Month);
    const long long months = WholeShifts(yearsOn, monthsEstimate, 1, after);
    const DayNumber monthsOn = months > 0 ? *MonthsOn(yearsOn, months) : yearsOn;
    return kDaysPerYearOnBase * years + kDaysPerMonthOnBase * months +
           static_cast<long long>(after - monthsOn);
}

ServingCalendar::ServingCalendar(std::vector<ServingStretch> stretches,
                                 CountingConvention convention)
    : m_stretches(std::move(stretches))
    , m_convention(convention) {}

long long ServingCalendar::Measure(DayNumber first, DayNumber last) const {
    if (m_convention == CountingConvention::CalendarDays) {
        return static_cast<long long>(last - first) + 1;
    }
    return MeasureDataAData(first, last);
}

long long ServingCalendar::ServedBefore(DayNumber date) const {
    long long served = 0;
    for (const ServingStretch& stretch : m_stretches) {
        if (stretch.First >= date) {
            break;
        }
        const DayNumber last = stretch.Last ? std::min(*stretch.Last, date - 1) : date - 1;
        served += Measure(stretch.First, last);
    }
    return served;
}

long long ServingCalendar::ServedThrough(DayNumber date) const {
    return ServedBefore(date + 1);
}

bool ServingCalendar::ServingOn(DayNumber date) const {
    return std::any_of(m_stretches.begin(), m_stretches.end(), [date](const ServingStretch& s) {
        return s.First <= date && (!s.Last || date <= *s.Last);
    });
}

LaidRequirement ServingCalendar::Lay(DayNumber dataBase, long long needed) const {
    if (needed <= 0) {
        return LaidRequirement{dataBase};
    }
    for (const ServingStretch& stretch : m_stretches) {
        if (stretch.Last && *stretch.Last < dataBase) {
            continue;
        }
        const DayNumber from = std::max(dataBase, stretch.First);
        const std::optional<DayNumber> laid = LaySpan(from, needed, m_convention);
        if (!stretch.Last) {
            return laid ? LaidRequirement{laid} : LaidRequirement{std::nullopt, true};
        }
        if (laid && *laid <= *stretch.Last + 1) {
            return LaidRequirement{laid};
        }
        const long long served = Measure(from, *stretch.Last);
        if (served >= needed) {
            // The measure reaches what the laying, clamped at a month's end, did not.
            return LaidRequirement{*stretch.Last + 1};
        }
        needed -= served;
    }
    return LaidRequirement{};
}

} // namespace zarn
