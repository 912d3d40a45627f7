#pragma once

// The dates of a term's execution from the day serving began (the data-base): each
// progression of regime, parole where the law allows it, and the last day of the term,
// with detracao and remicao taken off. All dates come from the program's date services.

#include "dates/CivilDate.h"
#include "law/CaseFacts.h"
#include "law/Consequences.h"
#include "law/Fraction.h"
#include "law/LawByDate.h"
#include "law/SpanLayout.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct ExecutionRequest {
    long long TermDays = 0;              // on the 360/30 base
    DayNumber Start = 0;                 // the data-base; its time of day, if any, is dropped
    CaseFacts Facts;                     // the detracao is Facts.DetracaoDays
    std::optional<Regime> InitialRegime; // none: the one the term and the facts give
    long long RemicaoDays = 0;
    CountingConvention Convention = CountingConvention::Base360;
};

// A benefit of the execution: the share it takes, the days of that share (before detracao
// and remicao), the days left to serve for it once they are taken off, and the day it is
// due from (the day after the last of those days).
struct Milestone {
    Fraction Share;
    long long FractionDays = 0;
    long long ServedDays = 0;
    DayNumber DueFrom = 0;
};

struct ProgressionDate {
    Regime To = Regime::Aberto;
    Milestone Due;
};

struct ExecutionDates {
    CountingConvention Convention = CountingConvention::Base360;
    long long TermDays = 0;
    // The days the shares are taken of: the term itself, or in calendar days the days of the
    // whole term from the start (the first and the last counted).
    long long CountedDays = 0;
    long long DetracaoDays = 0;
    long long RemicaoDays = 0;
    long long DeductedDays = 0; // both
    DayNumber Start = 0;
    Regime Initial = Regime::Aberto;
    // The deductions reach the whole term: no dates are due (CP art. 42).
    bool FullyServed = false;
    ProgressionRule Progression;               // the share, its inciso or law, the readings
    std::vector<ProgressionDate> Progressions; // two from fechado, one from semiaberto
    ParoleAnswer ParoleRule;                   // whether parole is allowed, and why not
    std::optional<Milestone> Parole;
    DayNumber LastDay = 0; // of the whole term; meaningless when FullyServed
    // law.md 11: the cap of art. 75 where the term passes it, and the day serving ends then.
    std::optional<Art75Cap> Cap;
    std::optional<DayNumber> CappedLastDay;
    std::vector<std::string> Notes; // every reading and note, once each

    // The day serving ends: the capped one where art. 75 holds it.
    DayNumber EndOfServing() const { return CappedLastDay.value_or(LastDay); }
};

struct ExecutionOutcome {
    std::string Error; // Windows-1252; empty when the dates hold
    ExecutionDates Dates;

    bool Ok() const { return Error.empty(); }
};

// Refuses a term or a count of days the analyses cannot take, facts that contradict each
// other, a start outside the calendar and any date that would leave 01/01/0001..31/12/9999,
// each with its message.
ExecutionOutcome ComputeExecutionDates(const ExecutionRequest& request);

} // namespace zarn
