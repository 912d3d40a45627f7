#pragma once

// The progressions of an execution along its events (law.md 10): from each data-base, the
// requirement is the sum over the convictions of floor(share x what remains of each), laid
// across the periods. A progression due with no event recording it moves the regime on its
// date and the next counts from there; a falta grave, an escape, a crime committed while
// serving and an entered progression set a data-base by measuring the periods; a regression
// changes the regime only. A progression due with no event recording it, followed by a falta
// grave, an escape or a doloso crime, is taken as not granted: the regime at that event is
// the last one recorded (the initial one, an entered progression or regression), and the
// count starts again from the event. Nothing counts from a progression to aberto, so it
// sets no data-base of the answer. The events run in the order of their dates, and past the last
// one the chain goes on as a projection.

#include "execution/CreditLedger.h"
#include "execution/ExecutionAnswer.h"
#include "execution/ExecutionCase.h"
#include "execution/ServingCalendar.h"
#include "execution/TimeImputation.h"

#include <optional>
#include <string>
#include <vector>

namespace zarn {

// What every chain of one case shares.
struct ChainSetup {
    const ExecutionCase* Question = nullptr; // validated, its dates whole days
    const ServingCalendar* Calendar = nullptr;
    const CreditLedger* Ledger = nullptr;
    std::vector<long long> Terms;             // in the convention's units
    std::vector<ProgressionRule> Rules;       // by the law at each crime's date
    std::vector<ProgressionRule> LapsedRules; // the same without par. 3 (LEP art. 112, par. 4)
    Regime Initial = Regime::Fechado;
};

class ProgressionChain {
public:
    ProgressionChain(const ChainSetup& setup, const TimeImputation& imputation);

    // Walks the events; the message of an event the chain cannot follow (a progression that
    // skips a regime, a regression to no harsher regime, a date past the calendar), or empty.
    std::string Run();

    const std::vector<ProgressionStep>& Steps() const { return m_steps; }
    const std::vector<DataBaseChange>& DataBases() const { return m_dataBases; }
    const std::vector<RegimeChange>& Regimes() const { return m_regimes; }
    std::optional<DayNumber> Paragraph3LapsedOn() const { return m_lapsedOn; }
    bool DueAtRegression() const { return m_dueAtRegression; }
    bool DueWithoutEvent() const { return m_dueWithoutEvent; }
    bool VoidedAny() const { return m_voidedAny; }

private:
    enum class Turn { Falta, Fuga, Crime, Regression, Progression };

    // An event that moves the data-base or the regime, in date order.
    struct ChainEvent {
        DayNumber Date = 0;
        Turn Kind = Turn::Falta;
        std::size_t Index = 0; // the event, or the conviction of a crime
        std::optional<Regime> To;
        std::size_t Unification = 0;
    };

    struct Requirement {
        long long Days = 0;
        long long Remaining = 0;
        std::vector<RequirementPart> Parts;
    };

    void CollectEvents();
    Requirement RequirementNow() const;
    long long Pool() const;
    DayNumber NextResetDate() const;
    bool EntryAheadFor(Regime target) const;

    // Returns whether a step was taken; the error is set when its date leaves the calendar.
    bool TryDueStep(std::string& error);
    void StepsWithoutDate();
    std::string Follow(const ChainEvent& event);
    void SetDataBase(DayNumber date, DataBaseReason reason, std::optional<std::size_t> event,
                     std::optional<std::size_t> conviction);
    void ChangeRegime(DayNumber date, Regime to, RegimeChangeCause cause);
    void Lapse(DayNumber date);
    void VoidUnrecorded(DayNumber date);
    void RecordedPoint();
    ProgressionStep StepOf(const Requirement& requirement, Regime to, long long taken);

    const ChainSetup& m_setup;
    const TimeImputation& m_imputation;
    std::vector<ChainEvent> m_events;
    std::size_t m_next = 0;

    Regime m_regime;
    DayNumber m_base = 0;
    long long m_servedBefore = 0;
    DayNumber m_segmentStart = 0;
    long long m_used = 0;
    DayNumber m_notBefore = 0;
    std::size_t m_unification = 0;
    bool m_lapsed = false;
    std::size_t m_firstUnrecorded = 0;   // the steps since the regime was last recorded
    std::size_t m_dataBasesRecorded = 0; // and the data-bases

    std::vector<ProgressionStep> m_steps;
    std::vector<DataBaseChange> m_dataBases;
    std::vector<RegimeChange> m_regimes;
    std::optional<DayNumber> m_lapsedOn;
    bool m_dueAtRegression = false;
    bool m_dueWithoutEvent = false; // a step counted from a progression no event recorded
    bool m_baseFromDue = false;     // the data-base is such a progression's date
    bool m_voidedAny = false;
};

// The regime after a progression from this one; none from aberto.
std::optional<Regime> RegimeAfter(Regime regime);

} // namespace zarn
