#pragma once

// What every kind of prescription of one crime reads from the case: the day the period
// starts, the marcos in the order of their dates, the decisions that interrupt, the final
// judgments, whether the periods are halved by age, and the suspended days of the punitiva
// and of the executoria, each with the notes that explain it. Made from an input already
// checked (PrescriptionCheck.h), its dates whole days.

#include "prescription/DatedPeriod.h"
#include "prescription/PrescriptionInput.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct SuspendedDays {
    std::vector<DayRange> Ranges; // in order and apart from each other
    std::vector<std::string> Notes;
};

struct CrimeCase {
    PrescriptionCrime Crime;
    DayNumber Fact = 0;
    DayNumber Start = 0; // the first day of the period (art. 111)
    std::string StartNote;
    DayNumber Calculation = 0;
    std::vector<Marco> Marcos; // by date, the document's order kept within a day

    // Only where a term was applied: the first condemnatory decision, and every decision
    // that interrupts (art. 117 IV), the first among them.
    std::optional<DayNumber> FirstDecision;
    std::vector<DayNumber> Decisions;
    std::vector<std::string> DecisionNotes;

    std::optional<DayNumber> FinalForProsecution; // transito_acusacao
    std::optional<DayNumber> FinalForBoth;        // transito_ambas

    bool Halved = false;
    std::vector<std::string> AgeNotes;

    SuspendedDays Punitiva;
    SuspendedDays Executoria;

    bool Condemned() const { return FirstDecision.has_value(); }
    // The day the executoria starts (art. 112 I; STF Tema 788), with the note that says
    // why; nothing while the sentence is not final enough for it.
    std::optional<DayNumber> ExecutoriaStart(std::string* note = nullptr) const;
    // The art. 109 period of a term for this crime, halved where art. 115 applies.
    long long MonthsFor(long long termDays, bool increasedForRepeat) const;
    // What sets the period of a term: the art. 109 row, the increase, the age.
    std::vector<std::string> PeriodNotes(long long termDays, bool increasedForRepeat) const;
    // The dates of the marcos of these kinds, in order.
    std::vector<DayNumber> DatesOf(std::initializer_list<MarcoKind> kinds) const;
};

CrimeCase MakeCrimeCase(const PrescriptionInput& input, std::size_t crime);

} // namespace zarn
