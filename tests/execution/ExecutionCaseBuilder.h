#pragma once

// Cases of execution written the way the case document reads: convictions, periods and
// events by their dates, for the execution tests.

#include "execution/ExecutionCase.h"
#include "support/DateOracle.h"

#include <optional>
#include <string>

namespace zarn::testing {

inline constexpr long long kYear = 360;
inline constexpr long long kMonth = 30;

inline DayNumber Date(int year, unsigned month, unsigned day) {
    return OracleDayNumber(year, month, day);
}

inline CaseFacts CrimeOn(DayNumber date, Natureza nature = Natureza::Comum) {
    CaseFacts facts;
    facts.CrimeDate = date;
    facts.Nature = nature;
    return facts;
}

inline Conviction Convicted(std::string processo, long long termDays, CaseFacts facts,
                            std::optional<DayNumber> transito = std::nullopt) {
    Conviction conviction;
    conviction.Processo = std::move(processo);
    conviction.TermDays = termDays;
    conviction.Facts = facts;
    conviction.TransitoEmJulgado = transito;
    return conviction;
}

inline ServingPeriod Serving(DayNumber start, std::optional<DayNumber> end = std::nullopt) {
    ServingPeriod period;
    period.Start = start;
    period.End = end;
    return period;
}

inline ExecutionEvent Event(EventKind kind, DayNumber date) {
    ExecutionEvent event;
    event.Kind = kind;
    event.Date = date;
    return event;
}

inline ExecutionEvent Falta(DayNumber date, long long remicaoLost = 0) {
    ExecutionEvent event = Event(EventKind::FaltaGrave, date);
    event.RemicaoLost = remicaoLost;
    return event;
}

inline ExecutionEvent RemicaoDays(DayNumber date, long long days) {
    ExecutionEvent event = Event(EventKind::Remicao, date);
    event.Days = days;
    return event;
}

inline ExecutionEvent RegimeEvent(EventKind kind, DayNumber date, Regime regime) {
    ExecutionEvent event = Event(kind, date);
    event.ToRegime = regime;
    return event;
}

// One conviction of six years for a common crime of 10/01/2021, serving since that day.
inline ExecutionCase SixYearsFromTenthOfJanuary2021() {
    ExecutionCase question;
    question.Convictions.push_back(Convicted("0001", 6 * kYear, CrimeOn(Date(2021, 1, 10))));
    question.Periods.push_back(Serving(Date(2021, 1, 10)));
    question.CalculationDate = Date(2025, 1, 1);
    return question;
}

// caso.md's example without its remicao: six years comum and five years hediondo.
inline ExecutionCase ExampleOfTheCaseDocument() {
    ExecutionCase question;
    question.Convictions.push_back(Convicted("0001111-11.2021.8.26.0050", 6 * kYear,
                                             CrimeOn(Date(2021, 1, 10)), Date(2022, 8, 15)));
    question.Convictions.push_back(Convicted("0002222-22.2021.8.26.0050", 5 * kYear,
                                             CrimeOn(Date(2021, 3, 5), Natureza::Hediondo),
                                             Date(2022, 9, 20)));
    question.Periods.push_back(Serving(Date(2021, 1, 10)));
    question.CalculationDate = Date(2026, 12, 8);
    return question;
}

} // namespace zarn::testing
