#pragma once

// What the prescription tests share: cases built in a line, the analyses of a kind picked
// out of an answer, and the last day of a period by the standard library's calendar.

#include "prescription/Prescription.h"
#include "prescription/PrescriptionText.h"
#include "support/DateOracle.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn::testing {

inline constexpr long long kYear = 360;
inline constexpr long long kMonth = 30;

inline DayNumber Day(int year, unsigned month, unsigned day) {
    return OracleDayNumber(year, month, day);
}

// The last day of a period of years and months from its first day, by std::chrono.
inline DayNumber OracleLastDay(DayNumber first, long long years, long long months = 0) {
    return DayNumberOf(*OracleEndDate(DayOf(first), years, months, 0));
}

inline std::string Written(DayNumber day) {
    return DateText(DayOf(day));
}

inline std::string Prescribed(DayNumber day) {
    return "prescrita em " + Written(day);
}

inline std::string Prescribes(DayNumber day) {
    return "prescreve em " + Written(day) + " se n\xE3o houver nova causa de interrup\xE7\xE3o";
}

inline PrescriptionCrime Crime(DayNumber fact, long long maximum,
                               std::optional<long long> applied = std::nullopt) {
    PrescriptionCrime crime;
    crime.Description = "crime";
    crime.DateOfFact = fact;
    crime.MaximumDays = maximum;
    crime.AppliedDays = applied;
    return crime;
}

inline PrescriptionInput Case(DayNumber calculation, PrescriptionCrime crime,
                              std::vector<Marco> marcos = {},
                              std::vector<Suspension> suspensions = {}) {
    PrescriptionInput input;
    input.CalculationDate = calculation;
    input.Crimes.push_back(std::move(crime));
    input.Marcos = std::move(marcos);
    input.Suspensions = std::move(suspensions);
    return input;
}

// The analyses of one kind of the first crime, in order.
inline std::vector<PrescriptionAnalysis> OfKind(const PrescriptionOutcome& outcome,
                                                PrescriptionKind kind) {
    std::vector<PrescriptionAnalysis> found;
    if (outcome.Ok() && !outcome.Report.Crimes.empty()) {
        for (const PrescriptionAnalysis& analysis : outcome.Report.Crimes.front().Analyses) {
            if (analysis.Kind == kind) {
                found.push_back(analysis);
            }
        }
    }
    return found;
}

// The verdict of the last analysis of a kind: "-" where there is none, "(none)" where the
// kind is missing.
inline std::string Verdict(const PrescriptionInput& input, PrescriptionKind kind) {
    const PrescriptionOutcome outcome = AnalysePrescription(input);
    if (!outcome.Ok()) {
        return outcome.Error;
    }
    const std::vector<PrescriptionAnalysis> found = OfKind(outcome, kind);
    if (found.empty()) {
        return "(none)";
    }
    const std::string verdict = VerdictText(found.back());
    return verdict.empty() ? "-" : verdict;
}

} // namespace zarn::testing
