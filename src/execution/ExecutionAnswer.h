#pragma once

// The answer of an execution at the date of the calculation (law.md 10): what the command
// line prints as JSON (each field names its key) and what a window draws the timeline from.
// Days are in the convention's units: base days on the 360/30 base, calendar days in the
// other.

#include "dates/CivilDate.h"
#include "execution/ExecutionCase.h"
#include "law/Consequences.h"
#include "law/LawByDate.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

// A conviction as the answer speaks of it.
struct ConvictionSummary {
    std::string Processo;
    std::string Crime;
    long long TermDays = 0;    // on the 360/30 base
    long long CountedDays = 0; // in the convention's units
    std::optional<DayNumber> CrimeDate;
    std::optional<DayNumber> TransitoEmJulgado;
    bool DuringExecution = false;
    ProgressionRule Progression; // its share by the law at its crime's date
    ParoleRule Parole;           // its fraction or bar
    long long ParoleDays = 0;    // its part of the parole requirement (the whole term if barred)
};

// One conviction's part of a progression requirement: floor(share x remaining).
struct RequirementPart {
    std::size_t Conviction = 0; // index in Convictions
    ProgressionRule Rule;
    long long RemainingDays = 0; // what remained of it at the data-base
    long long Days = 0;
};

enum class DataBaseReason {
    FirstDay,             // the first day of serving
    FaltaGrave,           // Sumula 534
    Fuga,                 // a falta grave at its date
    ProgressionDue,       // the date a progression was due, with no event recording it
    ProgressionEntered,   // the date entered for a progression
    CrimeDuringExecution, // Sumula 526
    AfterRegression,      // a progression already due when a regression came back to its regime
};

struct DataBaseChange {
    DayNumber Date = 0;
    DataBaseReason Reason = DataBaseReason::FirstDay;
    std::optional<std::size_t> Event;      // the event that set it
    std::optional<std::size_t> Conviction; // the crime committed during the execution
    long long ServedBefore = 0;            // time served before it
};

// progressoes[i].
struct ProgressionStep {
    Regime To = Regime::Aberto;          // regime
    long long Days = 0;                  // dias: the requirement, the sum of Parts
    std::optional<DayNumber> DueFrom;    // a_partir_de; none while waiting to return
    bool Reached = false;                // alcancada: on or before the date of the calculation
    std::optional<DayNumber> RecordedOn; // the date an entered progression gives it
    // A progression due with no event recording it, and then a falta grave, an escape or a
    // doloso crime before any was entered: taken as not granted (Zarn decides).
    std::optional<DayNumber> VoidedOn;
    DayNumber DataBase = 0;     // the day it counts from
    long long ServedBefore = 0; // time served before the data-base
    long long CreditsTaken = 0; // remicao since the data-base taken off the days
    std::vector<RequirementPart> Parts;
};

enum class RegimeChangeCause { Start, ProgressionDue, ProgressionEntered, Regression };

struct RegimeChange {
    DayNumber From = 0;
    Regime To = Regime::Fechado;
    RegimeChangeCause Cause = RegimeChangeCause::Start;
};

// livramento.
struct ParoleAnswerOfSum {
    long long Days = 0;                         // dias: the sum of each conviction's part
    std::optional<DayNumber> DueFrom;           // a_partir_de; none while waiting to return
    bool Reached = false;                       // on or before the date of the calculation
    std::optional<DayNumber> NoFaltaGraveSince; // sem_falta_grave_desde (CP art. 83, III, b)
};

enum class ParoleRefusal { None, TermTooShort, Barred };

// imputacao[i].
struct ImputedTime {
    std::size_t Conviction = 0;
    std::string Processo;        // processo
    long long ImputedDays = 0;   // imputado_dias
    long long RemainingDays = 0; // restante_dias
};

// alternativas[i]: another order of imputation that gives the next progression earlier.
struct ImputationAlternative {
    Imputacao Option = Imputacao::Transito; // imputacao
    Regime To = Regime::Aberto;
    long long Days = 0;
    DayNumber DueFrom = 0; // a_partir_de
};

// A grant of remicao or detracao as it counts.
enum class CreditKind { Detracao, Days, Work, Study, Books, NightConfinement };

struct CreditGrant {
    DayNumber CountsFrom = 0; // the day it counts from (law.md 10: the day it is granted)
    DayNumber GivenOn = 0;    // the event's date
    CreditKind Kind = CreditKind::Days;
    long long Entered = 0; // the days, days of work, hours or books entered
    long long Days = 0;
    long long Carried = 0; // left over for the next grant of the kind (work days or hours)
    std::optional<std::size_t> Event;      // none: the detracao of a conviction's facts
    std::optional<std::size_t> Conviction; // the conviction whose facts gave it
};

struct RemicaoLoss {
    DayNumber Date = 0;
    long long Days = 0;
    std::size_t Event = 0;
};

// For the timeline: a stretch of serving in one regime; none for its last day while it runs
// on past the end of the projection.
struct RegimeStretch {
    DayNumber First = 0;
    std::optional<DayNumber> Last;
    Regime In = Regime::Fechado;
    bool Projected = false; // after the date of the calculation
};

struct ServingGap {
    DayNumber First = 0;
    std::optional<DayNumber> Last; // none: still open at the date of the calculation
};

struct FaltaMark {
    DayNumber Date = 0;
    bool Escape = false;
    std::size_t Event = 0;
};

struct CaseExecutionAnswer {
    CountingConvention Convention = CountingConvention::Base360; // convencao
    DayNumber CalculationDate = 0;                               // data_calculo
    ExecutionOptions Options;
    std::vector<ConvictionSummary> Convictions;
    std::vector<std::size_t> ImputationOrder; // the order of art. 76 and of the option

    long long TotalDays = 0;     // pena_total_dias
    long long TotalBaseDays = 0; // the sum of the terms on the 360/30 base
    long long ServedDays = 0;    // cumprido_dias: periods, remicao, detracao
    long long PeriodDays = 0;    // of which the periods
    long long RemicaoDays = 0;   // remicao_dias, net of what faltas took
    long long DetracaoDays = 0;  // detracao of the facts and night confinement
    long long RemainingDays = 0; // restante_dias
    double PercentServed = 0;    // two decimals
    DayNumber FirstDay = 0;      // the first day of serving
    Regime InitialRegime = Regime::Fechado;
    bool InitialRegimeEntered = false;       // regime_inicial given
    RegimeAnswer RegimeOfSum;                // law.md 3 for the sum, when not entered
    long long SumBeforeServing = 0;          // the terms the regime of the sum is fixed on
    std::optional<DayNumber> LatestTransito; // the one whose time served comes off
    Regime CurrentRegime = Regime::Fechado;  // regime_atual: the last one recorded
    Regime RegimeDue = Regime::Fechado;      // with the progressions due, entered or not
    bool Serving = true;                     // in a period at the date of the calculation
    DayNumber DataBase = 0;                  // data_base
    std::string DataBaseReasonText;          // data_base_motivo
    std::vector<DataBaseChange> DataBases;
    std::vector<RegimeChange> Regimes;
    std::vector<ProgressionStep> Progressions; // progressoes
    std::optional<ParoleAnswerOfSum> Parole;   // livramento
    ParoleRefusal ParoleRefused = ParoleRefusal::None;
    std::vector<std::size_t> ParoleBarredBy; // livramento_vedado_por
    std::optional<DayNumber> End;            // termino: the real one or the art. 75 one
    std::optional<DayNumber> EndOfTotal;     // termino_pena_total
    long long Art75CapYears = 0;             // art75_limite_anos
    LegalSource Art75Source;
    bool Art75Applies = false; // the cap ends serving before the total
    std::optional<DayNumber> Art75End;
    DayNumber Art75CountFrom = 0;        // the first day, or the crime of a new unification
    bool FullyServed = false;            // integralmente_cumprida
    bool CreditsCoverTerm = false;       // detracao and remicao alone reach the total (CP art. 42)
    std::vector<ImputedTime> Imputation; // imputacao
    std::vector<ImputationAlternative> Alternatives; // alternativas
    std::optional<DayNumber> Paragraph3LapsedOn;     // LEP art. 112, par. 4
    std::optional<DayNumber> GoodBehaviourFrom;      // LEP art. 112, par. 7
    std::optional<DayNumber> LastFalta;
    std::vector<CreditGrant> Credits;
    std::vector<RemicaoLoss> Losses;
    long long CarriedWorkDays = 0; // left over for the next grant
    long long CarriedStudyHours = 0;
    long long CarriedNightHours = 0;
    std::vector<RegimeStretch> Stretches;
    std::vector<ServingGap> Gaps;
    std::vector<FaltaMark> Faltas;
    std::vector<std::string> Notes; // notas
};

struct CaseExecutionResult {
    std::string Error; // Windows-1252, naming the item at fault; empty when answered
    CaseExecutionAnswer Answer;

    bool Ok() const { return Error.empty(); }
};

} // namespace zarn
