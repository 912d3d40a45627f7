#pragma once

// The time a case credits besides its periods (law.md 10): remicao, granted by events and
// counted from the day it is granted; the detracao of night confinement by hours; the
// detracao a conviction's facts carry; and the remicao lost at faltas graves. Grants of the
// same kind carry what they leave over to the next one, in the order of their dates.

#include "execution/ExecutionAnswer.h"
#include "execution/ExecutionCase.h"

#include <vector>

namespace zarn {

class CreditLedger {
public:
    // The events and facts of a case already validated; credits dated before the first day
    // of serving (night confinement, the facts' detracao) count from that day.
    CreditLedger(const ExecutionCase& question, DayNumber firstDay);

    const std::vector<CreditGrant>& Grants() const { return m_grants; }
    const std::vector<RemicaoLoss>& Losses() const { return m_losses; }

    // Credits that count from a day in [from, before).
    long long GrantedIn(DayNumber from, DayNumber before) const;
    long long GrantedBefore(DayNumber date) const;
    long long LostIn(DayNumber from, DayNumber before) const;

    // Time served before a data-base set at `date` besides the periods: what was granted
    // before it, less what faltas took up to it, its own falta's loss included.
    long long BeforeDataBase(DayNumber date) const;
    // Granted and lost through `date`.
    long long NetThrough(DayNumber date) const;
    long long NetRemicaoThrough(DayNumber date) const;
    long long NetDetracaoThrough(DayNumber date) const;
    long long Net() const;

    // The remicao granted before `date` (detracao apart), less the losses before it: the
    // most a falta at `date` may take a third of.
    long long RemicaoBalanceBefore(DayNumber date) const;

    long long CarriedWorkDays() const { return m_carriedWork; }
    long long CarriedStudyHours() const { return m_carriedStudy; }
    long long CarriedNightHours() const { return m_carriedNight; }

private:
    void AddFactsDetracao(const ExecutionCase& question, DayNumber firstDay);
    void AddEvent(const ExecutionEvent& event, std::size_t index, DayNumber firstDay);
    void AddRemicao(const ExecutionEvent& event, std::size_t index);
    long long BooksCountedInTheTwelveMonths(DayNumber date) const;

    std::vector<CreditGrant> m_grants;
    std::vector<RemicaoLoss> m_losses;
    long long m_carriedWork = 0;
    long long m_carriedStudy = 0;
    long long m_carriedNight = 0;
};

// A grant of remicao (not detracao).
bool IsRemicao(CreditKind kind);

// The events in the order of their dates, those of one date in the order entered.
std::vector<std::size_t> EventsByDate(const std::vector<ExecutionEvent>& events);

} // namespace zarn
