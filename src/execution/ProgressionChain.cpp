#include "execution/ProgressionChain.h"

#include "execution/ExecutionTexts.h"
#include "law/LegalText.h"

#include <algorithm>

namespace zarn {

namespace {

// Past every date of a case: a segment with no event after it takes every later credit.
constexpr DayNumber kNoLaterEvent = kDayAfterCalendar + 1;

bool Harsher(Regime a, Regime b) {
    return static_cast<int>(a) < static_cast<int>(b);
}

std::string EventPlace(std::size_t index) {
    return "eventos[" + std::to_string(index) + "].regime: ";
}

} // namespace

std::optional<Regime> RegimeAfter(Regime regime) {
    switch (regime) {
    case Regime::Fechado:
        return Regime::Semiaberto;
    case Regime::Semiaberto:
        return Regime::Aberto;
    case Regime::Aberto:
        break;
    }
    return std::nullopt;
}

ProgressionChain::ProgressionChain(const ChainSetup& setup, const TimeImputation& imputation)
    : m_setup(setup)
    , m_imputation(imputation)
    , m_regime(setup.Initial) {
    CollectEvents();
}

// Events of one date: a falta first, then a crime, a regression and an entered progression.
void ProgressionChain::CollectEvents() {
    const ExecutionCase& question = *m_setup.Question;
    for (std::size_t i = 0; i < question.Events.size(); ++i) {
        const ExecutionEvent& event = question.Events[i];
        switch (event.Kind) {
        case EventKind::FaltaGrave:
            m_events.push_back({event.Date, Turn::Falta, i, std::nullopt, 0});
            break;
        case EventKind::Fuga:
            m_events.push_back({event.Date, Turn::Fuga, i, std::nullopt, 0});
            break;
        case EventKind::Regressao:
            m_events.push_back({event.Date, Turn::Regression, i, event.ToRegime, 0});
            break;
        case EventKind::Progressao:
            m_events.push_back({event.Date, Turn::Progression, i, event.ToRegime, 0});
            break;
        case EventKind::Remicao:
        case EventKind::RecolhimentoNoturno:
            break;
        }
    }
    std::vector<DayNumber> crimeDates;
    for (const Conviction& conviction : question.Convictions) {
        if (conviction.DuringExecution) {
            crimeDates.push_back(*conviction.Facts.CrimeDate);
        }
    }
    std::sort(crimeDates.begin(), crimeDates.end());
    crimeDates.erase(std::unique(crimeDates.begin(), crimeDates.end()), crimeDates.end());
    for (std::size_t i = 0; i < question.Convictions.size(); ++i) {
        const Conviction& conviction = question.Convictions[i];
        if (conviction.DuringExecution) {
            const auto at =
                std::lower_bound(crimeDates.begin(), crimeDates.end(), *conviction.Facts.CrimeDate);
            const auto unification = static_cast<std::size_t>(at - crimeDates.begin()) + 1;
            m_events.push_back(
                {*conviction.Facts.CrimeDate, Turn::Crime, i, std::nullopt, unification});
        }
    }
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const ChainEvent& a, const ChainEvent& b) {
                         if (a.Date != b.Date) {
                             return a.Date < b.Date;
                         }
                         return static_cast<int>(a.Kind) < static_cast<int>(b.Kind);
                     });
}

ProgressionChain::Requirement ProgressionChain::RequirementNow() const {
    Requirement requirement;
    const std::vector<long long> imputed = m_imputation.Impute(m_servedBefore, m_unification);
    for (std::size_t i = 0; i < m_setup.Terms.size(); ++i) {
        if (!m_imputation.Joined(i, m_unification)) {
            continue;
        }
        const long long remaining = m_setup.Terms[i] - imputed[i];
        if (remaining <= 0) {
            continue;
        }
        RequirementPart part;
        part.Conviction = i;
        part.Rule = m_lapsed ? m_setup.LapsedRules[i] : m_setup.Rules[i];
        part.RemainingDays = remaining;
        part.Days = ShareOf(remaining, part.Rule.Share);
        requirement.Days += part.Days;
        requirement.Remaining += remaining;
        requirement.Parts.push_back(std::move(part));
    }
    return requirement;
}

DayNumber ProgressionChain::NextResetDate() const {
    for (std::size_t k = m_next; k < m_events.size(); ++k) {
        if (m_events[k].Kind != Turn::Regression) {
            return m_events[k].Date;
        }
    }
    return kNoLaterEvent;
}

// law.md 10: the remicao granted since the data-base that earlier requirements of the same
// segment did not use.
long long ProgressionChain::Pool() const {
    return m_setup.Ledger->GrantedIn(m_segmentStart, NextResetDate()) - m_used;
}

// An entered progression to the regime the chain would move to, before any regression: the
// progression then took place on the date entered, not when it was due.
bool ProgressionChain::EntryAheadFor(Regime target) const {
    for (std::size_t k = m_next; k < m_events.size(); ++k) {
        if (m_events[k].Kind == Turn::Regression) {
            return false;
        }
        if (m_events[k].Kind == Turn::Progression) {
            return m_events[k].To == target;
        }
    }
    return false;
}

ProgressionStep ProgressionChain::StepOf(const Requirement& requirement, Regime to,
                                         long long taken) {
    m_dueWithoutEvent = m_dueWithoutEvent || m_baseFromDue;
    ProgressionStep step;
    step.To = to;
    step.Days = requirement.Days;
    step.DataBase = m_base;
    step.ServedBefore = m_servedBefore;
    step.CreditsTaken = taken;
    step.Parts = requirement.Parts;
    return step;
}

void ProgressionChain::SetDataBase(DayNumber date, DataBaseReason reason,
                                   std::optional<std::size_t> event,
                                   std::optional<std::size_t> conviction) {
    m_base = date;
    m_servedBefore = m_setup.Calendar->ServedBefore(date) + m_setup.Ledger->BeforeDataBase(date);
    m_segmentStart = date;
    m_used = 0;
    m_baseFromDue = false;
    m_notBefore = std::max(m_notBefore, date);
    if (m_regime != Regime::Aberto || reason != DataBaseReason::ProgressionEntered) {
        m_dataBases.push_back(DataBaseChange{date, reason, event, conviction, m_servedBefore});
    }
}

// Zarn decides: a progression due that no event recorded, then a falta grave, an escape or a
// doloso crime, was not granted.
void ProgressionChain::VoidUnrecorded(DayNumber date) {
    for (std::size_t i = m_firstUnrecorded; i < m_steps.size(); ++i) {
        ProgressionStep& step = m_steps[i];
        if (!step.RecordedOn && step.DueFrom && *step.DueFrom <= date) {
            step.VoidedOn = date;
            m_voidedAny = true;
        }
    }
    while (m_regimes.size() > 1 && m_regimes.back().Cause == RegimeChangeCause::ProgressionDue) {
        m_regimes.pop_back();
    }
    const auto unrecorded =
        std::remove_if(m_dataBases.begin() + static_cast<std::ptrdiff_t>(m_dataBasesRecorded),
                       m_dataBases.end(), [](const DataBaseChange& change) {
                           return change.Reason == DataBaseReason::ProgressionDue ||
                                  change.Reason == DataBaseReason::AfterRegression;
                       });
    m_dataBases.erase(unrecorded, m_dataBases.end());
    m_regime = m_regimes.back().To;
    RecordedPoint();
}

void ProgressionChain::RecordedPoint() {
    m_firstUnrecorded = m_steps.size();
    m_dataBasesRecorded = m_dataBases.size();
}

void ProgressionChain::ChangeRegime(DayNumber date, Regime to, RegimeChangeCause cause) {
    m_regime = to;
    m_regimes.push_back(RegimeChange{date, to, cause});
}

void ProgressionChain::Lapse(DayNumber date) {
    const ExecutionCase& question = *m_setup.Question;
    const bool anyParagraph3 =
        std::any_of(question.Convictions.begin(), question.Convictions.end(),
                    [](const Conviction& conviction) { return conviction.Facts.Paragraph3; });
    if (anyParagraph3 && !m_lapsed) {
        m_lapsed = true;
        m_lapsedOn = date;
    }
}

bool ProgressionChain::TryDueStep(std::string& error) {
    const std::optional<Regime> target = RegimeAfter(m_regime);
    if (!target) {
        return false;
    }
    const Requirement requirement = RequirementNow();
    if (requirement.Remaining <= 0) {
        return false;
    }
    const long long taken = std::min(Pool(), requirement.Days);
    const LaidRequirement laid = m_setup.Calendar->Lay(m_base, requirement.Days - taken);
    if (laid.OutOfCalendar || (laid.DueFrom && *laid.DueFrom > kLastDayNumber)) {
        error = std::string(kSumBeyondCalendar);
        return false;
    }
    if (!laid.DueFrom || EntryAheadFor(*target)) {
        return false;
    }
    DayNumber due = *laid.DueFrom;
    const bool atRegression = due < m_notBefore;
    due = std::max(due, m_notBefore);
    if (m_next < m_events.size() && due > m_events[m_next].Date) {
        return false;
    }
    ProgressionStep step = StepOf(requirement, *target, taken);
    step.DueFrom = due;
    step.Reached = due <= m_setup.Question->CalculationDate;
    m_steps.push_back(std::move(step));
    ChangeRegime(due, *target, RegimeChangeCause::ProgressionDue);
    if (atRegression) {
        m_dueAtRegression = true;
        SetDataBase(due, DataBaseReason::AfterRegression, std::nullopt, std::nullopt);
        return true;
    }
    // law.md 10, "After a progression that was due": no measuring, the requirement is added.
    m_baseFromDue = true;
    m_servedBefore += requirement.Days;
    m_used += taken;
    m_base = due;
    if (*target != Regime::Aberto) {
        m_dataBases.push_back(DataBaseChange{due, DataBaseReason::ProgressionDue, std::nullopt,
                                             std::nullopt, m_servedBefore});
    }
    return true;
}

// With no period open, the requirements keep their days and have no date.
void ProgressionChain::StepsWithoutDate() {
    long long pool = Pool();
    for (std::optional<Regime> target = RegimeAfter(m_regime); target;
         target = RegimeAfter(*target)) {
        const Requirement requirement = RequirementNow();
        if (requirement.Remaining <= 0) {
            return;
        }
        const long long taken = std::min(pool, requirement.Days);
        pool -= taken;
        m_steps.push_back(StepOf(requirement, *target, taken));
        m_servedBefore += requirement.Days;
        m_baseFromDue = true;
    }
}

std::string ProgressionChain::Follow(const ChainEvent& event) {
    switch (event.Kind) {
    case Turn::Falta:
    case Turn::Fuga:
        VoidUnrecorded(event.Date);
        SetDataBase(event.Date,
                    event.Kind == Turn::Fuga ? DataBaseReason::Fuga : DataBaseReason::FaltaGrave,
                    event.Index, std::nullopt);
        Lapse(event.Date);
        break;
    case Turn::Crime:
        m_unification = event.Unification;
        if (!m_setup.Question->Convictions[event.Index].Facts.Culposo) {
            VoidUnrecorded(event.Date);
            Lapse(event.Date);
        }
        SetDataBase(event.Date, DataBaseReason::CrimeDuringExecution, std::nullopt, event.Index);
        break;
    case Turn::Regression:
        if (Harsher(m_regime, *event.To)) {
            return EventPlace(event.Index) + std::string(kRegressionNotHarsher) +
                   std::string(RegimeName(m_regime)) + ".";
        }
        ChangeRegime(event.Date, *event.To, RegimeChangeCause::Regression);
        RecordedPoint();
        m_notBefore = std::max(m_notBefore, event.Date);
        break;
    case Turn::Progression: {
        const std::optional<Regime> target = RegimeAfter(m_regime);
        if (!target || *target != *event.To) {
            std::string message = EventPlace(event.Index) + std::string(kProgressionNotNext) +
                                  std::string(RegimeName(m_regime));
            message += target ? ", a seguinte \xE9 para o " + std::string(RegimeName(*target))
                              : std::string(" n\xE3o h\xE1 progress\xE3o");
            return message + ".";
        }
        const Requirement requirement = RequirementNow();
        const long long taken = std::min(Pool(), requirement.Days);
        const LaidRequirement laid = m_setup.Calendar->Lay(m_base, requirement.Days - taken);
        ProgressionStep step = StepOf(requirement, *target, taken);
        if (laid.DueFrom && *laid.DueFrom <= kLastDayNumber) {
            step.DueFrom = std::max(*laid.DueFrom, m_notBefore);
        }
        step.Reached = true;
        step.RecordedOn = event.Date;
        m_steps.push_back(std::move(step));
        ChangeRegime(event.Date, *target, RegimeChangeCause::ProgressionEntered);
        RecordedPoint();
        SetDataBase(event.Date, DataBaseReason::ProgressionEntered, event.Index, std::nullopt);
        break;
    }
    }
    return {};
}

std::string ProgressionChain::Run() {
    const DayNumber first = m_setup.Calendar->FirstDay();
    m_notBefore = first;
    ChangeRegime(first, m_setup.Initial, RegimeChangeCause::Start);
    SetDataBase(first, DataBaseReason::FirstDay, std::nullopt, std::nullopt);
    // Each turn takes a step (at most two between regressions) or follows an event.
    const std::size_t turns = 3 * (m_events.size() + 1) + 2;
    for (std::size_t turn = 0; turn < turns; ++turn) {
        std::string error;
        if (TryDueStep(error)) {
            continue;
        }
        if (!error.empty()) {
            return error;
        }
        if (m_next >= m_events.size()) {
            StepsWithoutDate();
            return {};
        }
        error = Follow(m_events[m_next++]);
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

} // namespace zarn
