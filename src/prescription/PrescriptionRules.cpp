#include "prescription/PrescriptionRules.h"

#include "law/Fraction.h"

#include <algorithm>

namespace zarn {

namespace {

template <typename Rows, typename Kind>
const auto& RuleOf(const Rows& rows, Kind kind) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [kind](const auto& row) { return row.Kind == kind; });
    return found == rows.end() ? rows.front() : *found;
}

DayNumber DayOf(const CivilDate& date) {
    return DateFromCivil(date.Year, date.Month, date.Day);
}

} // namespace

const KindRule& KindRuleFor(PrescriptionKind kind) {
    return RuleOf(kKindRules, kind);
}

const SuspensionRule& SuspensionRuleFor(SuspensionKind kind) {
    return RuleOf(kSuspensionRules, kind);
}

bool EarlierPeriodApplies(long long termDays, DayNumber fact) {
    const PrescriptionRow& row = PrescriptionRowFor(termDays);
    const std::optional<CivilDate> inForce = row.Source.Wording.InForce;
    return row.EarlierPeriodYears.has_value() && inForce.has_value() && fact < DayOf(*inForce);
}

long long PeriodMonths(long long termDays, DayNumber fact, bool increased, bool halved) {
    const PrescriptionRow& row = PrescriptionRowFor(termDays);
    const long long years =
        EarlierPeriodApplies(termDays, fact) ? *row.EarlierPeriodYears : row.PeriodYears;
    long long months = years * kMonthsPerYear;
    if (increased) {
        months += ShareOf(months, kRepeatOffenderIncrease.Share);
    }
    if (halved) {
        months = ShareOf(months, kAgeHalving.Share);
    }
    return months;
}

} // namespace zarn
