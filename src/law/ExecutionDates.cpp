#include "law/ExecutionDates.h"

#include "law/LawTables.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

// The regimes a term passes through after the one it starts in.
std::vector<Regime> RegimesAfter(Regime initial) {
    switch (initial) {
    case Regime::Fechado:
        return {Regime::Semiaberto, Regime::Aberto};
    case Regime::Semiaberto:
        return {Regime::Aberto};
    case Regime::Aberto:
        break;
    }
    return {};
}

// The share of `ofDays` laid from `from`, less what is left of `deduction`, which it uses
// up. Nothing when the date leaves the calendar.
std::optional<Milestone> LayMilestone(DayNumber from, long long ofDays, Fraction share,
                                      long long& deduction, CountingConvention convention) {
    Milestone milestone;
    milestone.Share = share;
    milestone.FractionDays = ShareOf(ofDays, share);
    milestone.ServedDays = std::max(0LL, milestone.FractionDays - deduction);
    deduction = std::max(0LL, deduction - milestone.FractionDays);
    const std::optional<DayNumber> due = LaySpan(from, milestone.ServedDays, convention);
    if (!due || *due > kLastDayNumber) {
        return std::nullopt;
    }
    milestone.DueFrom = *due;
    return milestone;
}

ExecutionOutcome DateOutOfRange() {
    return ExecutionOutcome{std::string(kDateOutOfRangeMessage), {}};
}

bool StartsInCalendar(DayNumber start) {
    return std::isfinite(start) && std::trunc(start) >= kFirstDayNumber &&
           std::trunc(start) <= kLastDayNumber;
}

// law.md 1: the last day of a span of the term from the start, less the deductions. On the
// base the start is shifted by what is left to serve; in calendar days the whole span is laid
// on the calendar and the deductions taken off it in days.
std::optional<DayNumber> LastDayOf(DayNumber start, long long spanDays, long long deducted,
                                   CountingConvention convention) {
    std::optional<DayNumber> after;
    if (convention == CountingConvention::Base360) {
        after = LaySpan(start, std::max(0LL, spanDays - deducted), CountingConvention::Base360);
    } else {
        after = LaySpan(start, spanDays, CountingConvention::Base360);
        if (after) {
            *after -= static_cast<DayNumber>(deducted);
        }
    }
    if (!after || *after - 1 < kFirstDayNumber) {
        return std::nullopt;
    }
    return *after - 1;
}

std::optional<long long> CountedDaysOf(const ExecutionRequest& request, DayNumber start) {
    if (request.Convention == CountingConvention::Base360) {
        return request.TermDays;
    }
    return CalendarDaysOfTerm(start, request.TermDays);
}

void AddNotes(std::vector<std::string>& all, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        if (std::find(all.begin(), all.end(), note) == all.end()) {
            all.push_back(note);
        }
    }
}

// law.md 11: where the term passes the cap, serving ends when the cap is served; the
// benefits still count on the whole term (Sumula 715). The deductions count against the cap
// too (the law is silent: the favourable reading), so deductions that reach the cap leave
// nothing to serve.
std::optional<Art75Cap> CapOver(long long termDays, std::optional<DayNumber> crimeDate) {
    const Art75Cap cap = Art75CapFor(crimeDate);
    if (termDays <= cap.Years * kDaysPerYearOnBase) {
        return std::nullopt;
    }
    return cap;
}

bool LayCap(ExecutionDates& dates) {
    if (!dates.Cap) {
        return true;
    }
    const long long capDays = dates.Cap->Years * kDaysPerYearOnBase;
    dates.CappedLastDay = LastDayOf(dates.Start, capDays, dates.DeductedDays, dates.Convention);
    if (!dates.CappedLastDay) {
        return false;
    }
    dates.Notes.emplace_back(kNoteArt75Benefits);
    if (dates.DeductedDays > 0) {
        dates.Notes.emplace_back(kNoteArt75Deductions);
    }
    return true;
}

// Each progression takes the share of what the earlier ones left of the term, from the
// date of the one before; the deductions shorten the first, and what is left of them the
// next.
bool LayProgressions(ExecutionDates& dates) {
    long long deduction = dates.DeductedDays;
    long long remaining = dates.CountedDays;
    DayNumber from = dates.Start;
    for (const Regime to : RegimesAfter(dates.Initial)) {
        const std::optional<Milestone> due =
            LayMilestone(from, remaining, dates.Progression.Share, deduction, dates.Convention);
        if (!due) {
            return false;
        }
        dates.Progressions.push_back(ProgressionDate{to, *due});
        remaining -= due->FractionDays;
        from = due->DueFrom;
    }
    return true;
}

// Parole counts the deductions in full from the start.
bool LayParole(ExecutionDates& dates) {
    if (!dates.ParoleRule.Possible) {
        return true;
    }
    long long deduction = dates.DeductedDays;
    dates.Parole = LayMilestone(dates.Start, dates.CountedDays, dates.ParoleRule.Share, deduction,
                                dates.Convention);
    return dates.Parole.has_value();
}

} // namespace

ExecutionOutcome ComputeExecutionDates(const ExecutionRequest& request) {
    const CaseFacts& facts = request.Facts;
    ExecutionOutcome outcome;
    outcome.Error = TermInputError(request.TermDays, facts.DetracaoDays, request.RemicaoDays);
    if (outcome.Ok()) {
        outcome.Error = FactsContradiction(facts);
    }
    if (!outcome.Ok()) {
        return outcome;
    }
    if (!StartsInCalendar(request.Start)) {
        return DateOutOfRange();
    }

    ExecutionDates& dates = outcome.Dates;
    dates.Convention = request.Convention;
    dates.TermDays = request.TermDays;
    dates.DetracaoDays = facts.DetracaoDays;
    dates.RemicaoDays = request.RemicaoDays;
    dates.DeductedDays = dates.DetracaoDays + dates.RemicaoDays;
    dates.Start = std::trunc(request.Start);
    dates.Initial = request.InitialRegime.value_or(InitialRegime(dates.TermDays, facts).Initial);
    dates.Progression = ProgressionRuleFor(facts);
    dates.ParoleRule = ParoleFor(dates.TermDays, facts);
    AddNotes(dates.Notes, dates.Progression.Notes);
    AddNotes(dates.Notes, dates.ParoleRule.Notes);
    dates.Cap = CapOver(dates.TermDays, facts.CrimeDate);
    const long long toServe = dates.Cap ? dates.Cap->Years * kDaysPerYearOnBase : dates.TermDays;
    dates.FullyServed = dates.DeductedDays >= toServe;
    if (dates.FullyServed) {
        if (dates.Cap) {
            dates.Notes.emplace_back(kNoteArt75Deductions);
        }
        return outcome;
    }

    const std::optional<DayNumber> lastDay =
        LastDayOf(dates.Start, dates.TermDays, dates.DeductedDays, dates.Convention);
    const std::optional<long long> counted = CountedDaysOf(request, dates.Start);
    if (!lastDay || !counted) {
        return DateOutOfRange();
    }
    dates.LastDay = *lastDay;
    dates.CountedDays = *counted;
    if (!LayCap(dates) || !LayProgressions(dates) || !LayParole(dates)) {
        return DateOutOfRange();
    }
    return outcome;
}

} // namespace zarn
