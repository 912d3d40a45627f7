#include "execution/CaseExecution.h"

#include "dates/DateError.h"
#include "execution/CaseExecutionText.h"
#include "execution/CaseValidation.h"
#include "execution/CreditLedger.h"
#include "execution/ExecutionNames.h"
#include "execution/ExecutionTables.h"
#include "execution/ExecutionTexts.h"
#include "execution/ProgressionChain.h"
#include "execution/ServingCalendar.h"
#include "execution/TimeImputation.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numeric>

namespace zarn {

namespace {

constexpr double kPercent = 100.0;
constexpr double kHundredths = 100.0;

void AddNote(std::vector<std::string>& notes, std::string note) {
    if (std::find(notes.begin(), notes.end(), note) == notes.end()) {
        notes.push_back(std::move(note));
    }
}

std::optional<DayNumber> MonthsAfter(DayNumber date, long long months) {
    try {
        return AddMonths(date, static_cast<std::int32_t>(months));
    } catch (const DateError&) {
        return std::nullopt;
    }
}

// Every date of the case as a whole day: a time of day is dropped, as the single-term tool
// drops it.
ExecutionCase WholeDays(const ExecutionCase& question) {
    ExecutionCase whole = question;
    whole.CalculationDate = std::trunc(whole.CalculationDate);
    for (Conviction& conviction : whole.Convictions) {
        if (conviction.Facts.CrimeDate) {
            conviction.Facts.CrimeDate = std::trunc(*conviction.Facts.CrimeDate);
        }
        if (conviction.TransitoEmJulgado) {
            conviction.TransitoEmJulgado = std::trunc(*conviction.TransitoEmJulgado);
        }
    }
    for (ServingPeriod& period : whole.Periods) {
        period.Start = std::trunc(period.Start);
        if (period.End) {
            period.End = std::trunc(*period.End);
        }
    }
    for (ExecutionEvent& event : whole.Events) {
        event.Date = std::trunc(event.Date);
    }
    return whole;
}

std::vector<ServingStretch> StretchesOf(const std::vector<ServingPeriod>& periods) {
    std::vector<ServingStretch> stretches;
    for (const ServingPeriod& period : periods) {
        stretches.push_back(ServingStretch{period.Start, period.End});
    }
    std::sort(stretches.begin(), stretches.end(),
              [](const ServingStretch& a, const ServingStretch& b) { return a.First < b.First; });
    return stretches;
}

ProgressionRule WithoutParagraph3(const CaseFacts& facts) {
    CaseFacts ordinary = facts;
    ordinary.Paragraph3 = false;
    return ProgressionRuleFor(ordinary);
}

// The case, its calendar and credits, and each conviction's rules: what every order of
// imputation shares.
class CaseExecution {
public:
    explicit CaseExecution(const ExecutionCase& question)
        : m_question(WholeDays(question))
        , m_calendar(StretchesOf(m_question.Periods), m_question.Convention)
        , m_ledger(m_question, m_calendar.FirstDay()) {}

    CaseExecutionResult Answer();

private:
    std::string PrepareTerms();
    void PrepareRules();
    void FixInitialRegime();
    std::unique_ptr<TimeImputation> ImputationFor(Imputacao option) const;
    void TakeChain(const ProgressionChain& chain);
    void FindAlternatives();
    void FindParole();
    std::string FindEnd();
    void FindArt75();
    void MeasureServed();
    void FindDataBase();
    void FindFaltaDates();
    void DrawTimeline();
    void CollectNotes(const ProgressionChain& chain);
    DayNumber LastUnificationDate() const;
    long long CountedBefore(DayNumber unification) const;
    long long CreditsSince(DayNumber date) const;
    LaidRequirement LayFromLastUnification(long long needed) const;
    std::optional<DayNumber> CapReachedOn(DayNumber from, long long capDays) const;

    ExecutionCase m_question;
    ServingCalendar m_calendar;
    CreditLedger m_ledger;
    ChainSetup m_setup;
    std::vector<Fraction> m_shares;
    std::unique_ptr<TimeImputation> m_imputation; // of the option chosen
    CaseExecutionAnswer m_answer;
};

std::string CaseExecution::PrepareTerms() {
    m_setup.Question = &m_question;
    m_setup.Calendar = &m_calendar;
    m_setup.Ledger = &m_ledger;
    for (std::size_t i = 0; i < m_question.Convictions.size(); ++i) {
        const long long term = m_question.Convictions[i].TermDays;
        long long counted = term;
        if (m_question.Convention == CountingConvention::CalendarDays) {
            const std::optional<long long> days = CalendarDaysOfTerm(m_calendar.FirstDay(), term);
            if (!days) {
                return "condenacoes[" + std::to_string(i) +
                       "].pena: " + std::string(kBeyondCalendar);
            }
            counted = *days;
        }
        m_setup.Terms.push_back(counted);
        m_answer.TotalDays += counted;
        m_answer.TotalBaseDays += term;
    }
    return {};
}

void CaseExecution::PrepareRules() {
    for (std::size_t i = 0; i < m_question.Convictions.size(); ++i) {
        const Conviction& conviction = m_question.Convictions[i];
        m_setup.Rules.push_back(ProgressionRuleFor(conviction.Facts));
        m_setup.LapsedRules.push_back(WithoutParagraph3(conviction.Facts));
        m_shares.push_back(m_setup.Rules.back().Share);
        ConvictionSummary summary;
        summary.Processo = conviction.Processo;
        summary.Crime = conviction.Crime;
        summary.TermDays = conviction.TermDays;
        summary.CountedDays = m_setup.Terms[i];
        summary.CrimeDate = conviction.Facts.CrimeDate;
        summary.TransitoEmJulgado = conviction.TransitoEmJulgado;
        summary.DuringExecution = conviction.DuringExecution;
        summary.Progression = m_setup.Rules.back();
        summary.Parole = ParoleRuleFor(conviction.Facts);
        m_answer.Convictions.push_back(std::move(summary));
    }
}

// law.md 3, last bullet: the regime of the sum of the convictions serving began with, less
// the time served before the latest trânsito em julgado among them.
void CaseExecution::FixInitialRegime() {
    CaseFacts sum;
    sum.Kind = Especie::Detencao;
    long long termDays = 0;
    long long factsDetracao = 0;
    std::optional<DayNumber> latestTransito;
    for (const Conviction& conviction : m_question.Convictions) {
        if (conviction.DuringExecution) {
            continue;
        }
        termDays += conviction.TermDays;
        factsDetracao += conviction.Facts.DetracaoDays;
        if (conviction.Facts.Kind == Especie::Reclusao) {
            sum.Kind = Especie::Reclusao;
        }
        sum.RepeatOffender = sum.RepeatOffender || conviction.Facts.RepeatOffender;
        sum.FavourableCircumstances =
            sum.FavourableCircumstances && conviction.Facts.FavourableCircumstances;
        if (conviction.TransitoEmJulgado) {
            latestTransito = std::max(latestTransito.value_or(*conviction.TransitoEmJulgado),
                                      *conviction.TransitoEmJulgado);
        }
    }
    sum.DetracaoDays = factsDetracao;
    if (latestTransito) {
        const ServingCalendar base(m_calendar.Stretches(), CountingConvention::Base360);
        sum.DetracaoDays =
            base.ServedBefore(*latestTransito) + m_ledger.NetThrough(*latestTransito - 1);
    }
    m_answer.RegimeOfSum = InitialRegime(termDays, sum);
    m_answer.SumBeforeServing = termDays;
    m_answer.LatestTransito = latestTransito;
    m_answer.InitialRegimeEntered = m_question.InitialRegime.has_value();
    m_answer.InitialRegime = m_question.InitialRegime.value_or(m_answer.RegimeOfSum.Initial);
    m_setup.Initial = m_answer.InitialRegime;
    if (!m_answer.InitialRegimeEntered && !latestTransito && m_question.Convictions.size() > 1) {
        AddNote(m_answer.Notes, std::string(kNoteRegimeWithoutTransito));
    }
}

std::unique_ptr<TimeImputation> CaseExecution::ImputationFor(Imputacao option) const {
    auto imputation =
        std::make_unique<TimeImputation>(m_question.Convictions, m_setup.Terms, m_shares, option);
    std::vector<DayNumber> dates;
    for (const Conviction& conviction : m_question.Convictions) {
        if (conviction.DuringExecution) {
            dates.push_back(*conviction.Facts.CrimeDate);
        }
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    for (const DayNumber date : dates) {
        std::vector<std::size_t> joining;
        for (std::size_t i = 0; i < m_question.Convictions.size(); ++i) {
            const Conviction& conviction = m_question.Convictions[i];
            if (conviction.DuringExecution && *conviction.Facts.CrimeDate == date) {
                joining.push_back(i);
            }
        }
        imputation->AddUnification(m_calendar.ServedBefore(date) + m_ledger.BeforeDataBase(date),
                                   joining);
    }
    return imputation;
}

void CaseExecution::TakeChain(const ProgressionChain& chain) {
    m_answer.Progressions = chain.Steps();
    m_answer.DataBases = chain.DataBases();
    m_answer.Regimes = chain.Regimes();
    m_answer.Paragraph3LapsedOn = chain.Paragraph3LapsedOn();
}

// The progression the defence asks about: the first not yet reached, or the last one.
std::optional<std::size_t> NextProgression(const std::vector<ProgressionStep>& steps) {
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].VoidedOn) {
            continue;
        }
        if (!steps[i].Reached) {
            return i;
        }
        last = i;
    }
    return last;
}

// law.md 10: where another order of imputation gives the next progression earlier.
void CaseExecution::FindAlternatives() {
    const std::optional<std::size_t> next = NextProgression(m_answer.Progressions);
    if (!next || !m_answer.Progressions[*next].DueFrom) {
        return;
    }
    const ProgressionStep& chosen = m_answer.Progressions[*next];
    for (const ChoiceName<Imputacao>& name : kImputacaoNames) {
        if (name.Which == m_question.Options.Imputation) {
            continue;
        }
        const std::unique_ptr<TimeImputation> imputation = ImputationFor(name.Which);
        ProgressionChain chain(m_setup, *imputation);
        if (!chain.Run().empty()) {
            continue; // that order leads to an event the chain cannot follow
        }
        const std::optional<std::size_t> otherNext = NextProgression(chain.Steps());
        if (!otherNext) {
            continue;
        }
        const ProgressionStep& other = chain.Steps()[*otherNext];
        if (other.To == chosen.To && other.DueFrom && *other.DueFrom < *chosen.DueFrom) {
            m_answer.Alternatives.push_back(
                ImputationAlternative{name.Which, other.To, other.Days, *other.DueFrom});
        }
    }
}

// law.md 6 and 10: the sum of floor(fraction x term) over the convictions, counted over all
// time served from the first day (Sumula 441: a falta does not restart it).
void CaseExecution::FindParole() {
    std::vector<std::size_t> barred;
    long long days = 0;
    for (std::size_t i = 0; i < m_answer.Convictions.size(); ++i) {
        ConvictionSummary& summary = m_answer.Convictions[i];
        summary.ParoleDays = summary.Parole.Barred
                                 ? summary.CountedDays
                                 : ShareOf(summary.CountedDays, summary.Parole.Share);
        if (summary.Parole.Barred) {
            barred.push_back(i);
        }
        days += summary.ParoleDays;
    }
    m_answer.ParoleBarredBy = barred;
    if (m_answer.TotalBaseDays < kParoleMinDays) {
        m_answer.ParoleRefused = ParoleRefusal::TermTooShort;
        return;
    }
    const bool joint = m_question.Options.BarredParole == LivramentoVedado::Conjunto;
    if (!barred.empty() && (joint || barred.size() == m_answer.Convictions.size())) {
        m_answer.ParoleRefused = ParoleRefusal::Barred;
        AddNote(m_answer.Notes, std::string(joint ? kNoteParoleJoint : kNoteParoleSeparate));
        return;
    }
    if (!barred.empty()) {
        AddNote(m_answer.Notes, std::string(kNoteParoleSeparate));
    }
    ParoleAnswerOfSum parole;
    parole.Days = days;
    LaidRequirement laid = LayFromLastUnification(days);
    if (laid.DueFrom && *laid.DueFrom < LastUnificationDate()) {
        laid = m_calendar.Lay(m_calendar.FirstDay(), days - m_ledger.Net()); // met before it
    }
    if (laid.DueFrom && *laid.DueFrom <= kLastDayNumber) {
        parole.DueFrom = laid.DueFrom;
        parole.Reached = *laid.DueFrom <= m_question.CalculationDate;
    }
    if (m_answer.LastFalta) {
        parole.NoFaltaGraveSince = MonthsAfter(*m_answer.LastFalta, kMonthsWithoutFaltaForParole);
    }
    m_answer.Parole = parole;
}

// law.md 10, "End of the term": the day the time served reaches the total.
std::string CaseExecution::FindEnd() {
    const long long needed = m_answer.TotalDays - m_ledger.Net();
    if (needed <= 0) {
        m_answer.CreditsCoverTerm = true;
        return {};
    }
    const LaidRequirement laid = LayFromLastUnification(m_answer.TotalDays);
    if (laid.OutOfCalendar) {
        return std::string(kSumBeyondCalendar);
    }
    if (laid.DueFrom) {
        m_answer.EndOfTotal = *laid.DueFrom - 1;
    }
    return {};
}

// The time before a crime committed while serving that counts: what the convictions then
// joined could take of it (CP art. 75, par. 2; time beyond their terms counts for no later
// crime).
long long CaseExecution::CountedBefore(DayNumber unification) const {
    if (unification <= m_calendar.FirstDay()) {
        return 0;
    }
    const long long served =
        m_calendar.ServedBefore(unification) + m_ledger.BeforeDataBase(unification);
    const std::vector<long long> imputed =
        m_imputation->Impute(served, m_imputation->Unifications() - 1);
    return std::accumulate(imputed.begin(), imputed.end(), 0LL);
}

long long CaseExecution::CreditsSince(DayNumber date) const {
    return m_ledger.GrantedIn(date, kDayAfterCalendar + 1) -
           m_ledger.LostIn(date, kDayAfterCalendar + 1);
}

// A requirement counted over all the time that counts, laid from the last unification (the
// first day when there is none): what it needs beyond the time counted before it and the
// credits since it.
LaidRequirement CaseExecution::LayFromLastUnification(long long needed) const {
    const DayNumber from = LastUnificationDate();
    return m_calendar.Lay(from, needed - CountedBefore(from) - CreditsSince(from));
}

// The day the time counted from `from` reaches the cap. A credit counts from the day it is
// granted (law.md 10), so the cap is laid with the credits of each grant day in turn: it is
// reached with those of a day when it falls before the next grant.
std::optional<DayNumber> CaseExecution::CapReachedOn(DayNumber from, long long capDays) const {
    std::vector<DayNumber> grantDays{from};
    for (const CreditGrant& grant : m_ledger.Grants()) {
        if (grant.CountsFrom > from) {
            grantDays.push_back(grant.CountsFrom);
        }
    }
    std::sort(grantDays.begin(), grantDays.end());
    grantDays.erase(std::unique(grantDays.begin(), grantDays.end()), grantDays.end());
    for (std::size_t i = 0; i < grantDays.size(); ++i) {
        const DayNumber day = grantDays[i];
        const long long credits =
            m_ledger.GrantedIn(from, day + 1) - m_ledger.LostIn(from, day + 1);
        const LaidRequirement laid = m_calendar.Lay(from, capDays - credits);
        if (!laid.DueFrom) {
            continue;
        }
        const DayNumber due = std::max(*laid.DueFrom, day);
        if (i + 1 == grantDays.size() || due < grantDays[i + 1]) {
            return due;
        }
    }
    return std::nullopt;
}

DayNumber CaseExecution::LastUnificationDate() const {
    DayNumber date = m_calendar.FirstDay();
    for (const Conviction& conviction : m_question.Convictions) {
        if (conviction.DuringExecution) {
            date = std::max(date, *conviction.Facts.CrimeDate);
        }
    }
    return date;
}

Art75Cap CapOfTheUnification(const std::vector<Conviction>& convictions, LimiteArt75 option) {
    if (option == LimiteArt75::MaisFavoravel) {
        Art75Cap lowest = Art75CapFor(convictions.front().Facts.CrimeDate);
        for (const Conviction& conviction : convictions) {
            const Art75Cap cap = Art75CapFor(conviction.Facts.CrimeDate);
            if (cap.Years < lowest.Years) {
                lowest = cap;
            }
        }
        return lowest;
    }
    std::optional<DayNumber> latest;
    for (const Conviction& conviction : convictions) {
        if (!conviction.Facts.CrimeDate) {
            return Art75CapFor(std::nullopt); // unknown: the law in force today
        }
        latest =
            std::max(latest.value_or(*conviction.Facts.CrimeDate), *conviction.Facts.CrimeDate);
    }
    return Art75CapFor(latest);
}

// law.md 11: time served is capped, counted from the first day or from a crime committed
// while serving, on the remainder then plus the new term; benefits stay on the total.
void CaseExecution::FindArt75() {
    const Art75Cap cap = CapOfTheUnification(m_question.Convictions, m_question.Options.Art75Limit);
    m_answer.Art75CapYears = cap.Years;
    m_answer.Art75Source = cap.Source;
    const DayNumber from = LastUnificationDate();
    m_answer.Art75CountFrom = from;
    const long long capBase = cap.Years * kDaysPerYearOnBase;
    long long capDays = capBase;
    if (m_question.Convention == CountingConvention::CalendarDays) {
        const std::optional<long long> days = CalendarDaysOfTerm(from, capBase);
        if (!days) {
            return;
        }
        capDays = *days;
    }
    const bool newUnification = from > m_calendar.FirstDay();
    const bool binds = newUnification ? m_answer.TotalDays - CountedBefore(from) > capDays
                                      : m_answer.TotalBaseDays > capBase;
    if (!binds || m_answer.CreditsCoverTerm) {
        return;
    }
    const long long credits = CreditsSince(from);
    const std::optional<DayNumber> reached = CapReachedOn(from, capDays);
    if (reached && *reached <= m_calendar.FirstDay()) {
        // The credits alone reach the cap: nothing is left to serve, and no date is due.
        m_answer.CreditsCoverTerm = true;
    } else if (reached) {
        const DayNumber last = *reached - 1;
        if (m_answer.EndOfTotal && last >= *m_answer.EndOfTotal) {
            return;
        }
        m_answer.Art75End = last;
    }
    m_answer.Art75Applies = true;
    AddNote(m_answer.Notes, std::string(kNoteArt75Benefits));
    if (credits > 0) {
        AddNote(m_answer.Notes, std::string(kNoteArt75Deductions));
    }
    AddNote(m_answer.Notes, std::string(m_question.Options.Art75Limit == LimiteArt75::MaisFavoravel
                                            ? kNoteArt75MostFavourable
                                            : kNoteArt75LatestCrime));
}

void CaseExecution::MeasureServed() {
    const DayNumber date = m_question.CalculationDate;
    m_answer.PeriodDays = m_calendar.ServedThrough(date);
    m_answer.RemicaoDays = m_ledger.NetRemicaoThrough(date);
    m_answer.DetracaoDays = m_ledger.NetDetracaoThrough(date);
    const long long served = m_answer.PeriodDays + m_answer.RemicaoDays + m_answer.DetracaoDays;
    m_answer.ImputationOrder = m_imputation->Order();
    const std::vector<long long> imputed =
        m_imputation->Impute(std::max(0LL, served), m_imputation->Unifications() - 1);
    for (const std::size_t i : m_imputation->Order()) {
        m_answer.Imputation.push_back(ImputedTime{i, m_question.Convictions[i].Processo, imputed[i],
                                                  m_setup.Terms[i] - imputed[i]});
    }
    // What counts is what the convictions take: never beyond the total, nor time served
    // before a crime beyond the terms then joined.
    m_answer.ServedDays = std::accumulate(imputed.begin(), imputed.end(), 0LL);
    if (m_answer.ServedDays < std::min(served, m_answer.TotalDays)) {
        AddNote(m_answer.Notes, std::string(kNoteTimeBeyondEarlierTerms));
    }
    m_answer.RemainingDays = m_answer.TotalDays - m_answer.ServedDays;
    const double percent = kPercent * static_cast<double>(m_answer.ServedDays) /
                           static_cast<double>(m_answer.TotalDays);
    m_answer.PercentServed = std::round(percent * kHundredths) / kHundredths;
    m_answer.Serving = m_calendar.ServingOn(date);
}

void CaseExecution::FindDataBase() {
    const DayNumber date = m_question.CalculationDate;
    for (const DataBaseChange& change : m_answer.DataBases) {
        if (change.Date <= date) {
            m_answer.DataBase = change.Date;
            m_answer.DataBaseReasonText = DataBaseReasonText(change, m_answer);
        }
    }
    // law.md 10 names the current regime without saying whether a progression due and not
    // entered changes it: the regime is the one recorded (the initial one, the progressions
    // entered, the regressions), as a falta that finds a progression not entered takes it;
    // the regime the progressions due lead to is given beside it.
    m_answer.CurrentRegime = m_answer.InitialRegime;
    m_answer.RegimeDue = m_answer.InitialRegime;
    for (const RegimeChange& change : m_answer.Regimes) {
        if (change.From <= date) {
            m_answer.RegimeDue = change.To;
            if (change.Cause != RegimeChangeCause::ProgressionDue) {
                m_answer.CurrentRegime = change.To;
            }
        }
    }
    if (m_answer.RegimeDue != m_answer.CurrentRegime) {
        m_answer.Notes.emplace_back(kNoteRecordedRegime);
    }
}

void CaseExecution::FindFaltaDates() {
    for (const std::size_t i : EventsByDate(m_question.Events)) {
        const ExecutionEvent& event = m_question.Events[i];
        if (event.Kind == EventKind::FaltaGrave || event.Kind == EventKind::Fuga) {
            m_answer.Faltas.push_back(FaltaMark{event.Date, event.Kind == EventKind::Fuga, i});
            m_answer.LastFalta = event.Date;
        }
    }
}

// law.md 7, par. 7: good behaviour comes back a year after the last falta grave, or once the
// requirement counted from it is met, whichever comes first.
void FindGoodBehaviour(CaseExecutionAnswer& answer) {
    if (!answer.LastFalta) {
        return;
    }
    answer.GoodBehaviourFrom = MonthsAfter(*answer.LastFalta, kMonthsToRegainGoodBehaviour);
    for (const ProgressionStep& step : answer.Progressions) {
        if (step.DataBase == *answer.LastFalta && step.DueFrom) {
            if (!answer.GoodBehaviourFrom || *step.DueFrom < *answer.GoodBehaviourFrom) {
                answer.GoodBehaviourFrom = step.DueFrom;
            }
            return;
        }
    }
}

Regime RegimeOn(const std::vector<RegimeChange>& regimes, DayNumber date) {
    Regime regime = regimes.front().To;
    for (const RegimeChange& change : regimes) {
        if (change.From <= date) {
            regime = change.To;
        }
    }
    return regime;
}

// The stretches of serving in one regime each, up to the end of the projection, cut where
// the regime changes and after the date of the calculation; the gaps between them.
void CaseExecution::DrawTimeline() {
    const std::optional<DayNumber> horizon = m_answer.End;
    const DayNumber projected = m_question.CalculationDate + 1;
    const std::vector<ServingStretch>& stretches = m_calendar.Stretches();
    for (std::size_t s = 0; s < stretches.size(); ++s) {
        const ServingStretch& stretch = stretches[s];
        std::optional<DayNumber> last = stretch.Last;
        if (horizon) {
            if (stretch.First > *horizon) {
                break;
            }
            last = std::min(last.value_or(*horizon), *horizon);
        }
        std::vector<DayNumber> cuts;
        for (const RegimeChange& change : m_answer.Regimes) {
            cuts.push_back(change.From);
        }
        cuts.push_back(projected);
        std::sort(cuts.begin(), cuts.end());
        DayNumber first = stretch.First;
        for (const DayNumber cut : cuts) {
            if (cut <= first || (last && cut > *last)) {
                continue;
            }
            m_answer.Stretches.push_back(RegimeStretch{
                first, cut - 1, RegimeOn(m_answer.Regimes, first), first >= projected});
            first = cut;
        }
        m_answer.Stretches.push_back(
            RegimeStretch{first, last, RegimeOn(m_answer.Regimes, first), first >= projected});
        const bool lastStretch = s + 1 == stretches.size();
        if (!lastStretch && stretches[s + 1].First > *stretch.Last + 1) {
            m_answer.Gaps.push_back(ServingGap{*stretch.Last + 1, stretches[s + 1].First - 1});
        } else if (lastStretch && stretch.Last && *stretch.Last < m_question.CalculationDate) {
            m_answer.Gaps.push_back(ServingGap{*stretch.Last + 1, std::nullopt});
        }
    }
}

void CaseExecution::CollectNotes(const ProgressionChain& chain) {
    std::vector<std::string>& notes = m_answer.Notes;
    const bool several = m_answer.Convictions.size() > 1;
    for (std::size_t i = 0; i < m_answer.Convictions.size(); ++i) {
        const ConvictionSummary& summary = m_answer.Convictions[i];
        const std::string lead = several ? ConvictionLabel(m_answer, i) + ": " : std::string();
        for (const std::string& note : summary.Progression.Notes) {
            AddNote(notes, lead + note);
        }
        for (const std::string& note : summary.Parole.Notes) {
            AddNote(notes, lead + note);
        }
    }
    if (m_answer.DataBase == m_answer.FirstDay && m_calendar.Stretches().size() > 1 &&
        m_calendar.Stretches()[1].First <= m_question.CalculationDate) {
        AddNote(notes, std::string(kNoteFirstDayAfterGap));
    }
    if (chain.DueWithoutEvent()) {
        AddNote(notes, std::string(kNoteDueWithoutEvent));
    }
    if (chain.VoidedAny()) {
        AddNote(notes, std::string(kNoteVoidedByFalta));
    }
    if (chain.DueAtRegression()) {
        AddNote(notes, std::string(kNoteDueAtRegression));
    }
    const auto hasEvent = [this](EventKind kind) {
        return std::any_of(m_question.Events.begin(), m_question.Events.end(),
                           [kind](const ExecutionEvent& event) { return event.Kind == kind; });
    };
    if (hasEvent(EventKind::Regressao)) {
        AddNote(notes, std::string(kNoteRegressionKeepsDataBase));
    }
    if (hasEvent(EventKind::Remicao)) {
        AddNote(notes, std::string(kNoteRemicaoFromGrant));
    }
    if (hasEvent(EventKind::RecolhimentoNoturno)) {
        AddNote(notes, std::string(kNoteNightConfinement));
    }
    const bool creditBeforeFirstDay =
        std::any_of(m_answer.Credits.begin(), m_answer.Credits.end(),
                    [](const CreditGrant& grant) { return grant.GivenOn < grant.CountsFrom; }) ||
        std::any_of(m_answer.Credits.begin(), m_answer.Credits.end(),
                    [](const CreditGrant& grant) { return grant.Kind == CreditKind::Detracao; });
    if (creditBeforeFirstDay) {
        AddNote(notes, std::string(kNoteCreditsFromFirstDay));
    }
    if (m_answer.CarriedWorkDays > 0 || m_answer.CarriedStudyHours > 0 ||
        m_answer.CarriedNightHours > 0) {
        AddNote(notes, std::string(kNoteCarried) + CarriedText(m_answer) + ".");
    }
    if (std::any_of(m_question.Convictions.begin(), m_question.Convictions.end(),
                    [](const Conviction& conviction) { return conviction.DuringExecution; })) {
        AddNote(notes, std::string(kNoteCrimeDuringExecution));
    }
    if (several) {
        const Imputacao option = m_question.Options.Imputation;
        AddNote(notes, std::string(option == Imputacao::Transito    ? kNoteTransitoOrder
                                   : option == Imputacao::Gravidade ? kNoteGravityOrder
                                                                    : kNoteProportionalOrder));
    }
    if (m_answer.Paragraph3LapsedOn) {
        AddNote(notes, std::string(kNoteParagraph3Lapsed) +
                           WriteDayMonthYear(*m_answer.Paragraph3LapsedOn) +
                           ": os requisitos seguintes tomam a fra\xE7\xE3o ordin\xE1ria.");
    }
    if (!m_answer.Serving) {
        AddNote(notes, std::string(kNoteWaiting));
    }
}

CaseExecutionResult CaseExecution::Answer() {
    CaseExecutionResult result;
    result.Error = ValidateRemicaoLost(m_ledger);
    if (result.Ok()) {
        result.Error = PrepareTerms();
    }
    if (!result.Ok()) {
        return result;
    }
    m_answer.Convention = m_question.Convention;
    m_answer.CalculationDate = m_question.CalculationDate;
    m_answer.Options = m_question.Options;
    m_answer.FirstDay = m_calendar.FirstDay();
    m_answer.Credits = m_ledger.Grants();
    m_answer.Losses = m_ledger.Losses();
    m_answer.CarriedWorkDays = m_ledger.CarriedWorkDays();
    m_answer.CarriedStudyHours = m_ledger.CarriedStudyHours();
    m_answer.CarriedNightHours = m_ledger.CarriedNightHours();
    PrepareRules();
    FixInitialRegime();
    FindFaltaDates();

    m_imputation = ImputationFor(m_question.Options.Imputation);
    ProgressionChain chain(m_setup, *m_imputation);
    result.Error = chain.Run();
    if (result.Ok()) {
        result.Error = FindEnd();
    }
    if (!result.Ok()) {
        return result;
    }
    TakeChain(chain);
    FindArt75();
    m_answer.End =
        m_answer.Art75Applies && m_answer.Art75End ? m_answer.Art75End : m_answer.EndOfTotal;
    m_answer.FullyServed =
        m_answer.CreditsCoverTerm || (m_answer.End && *m_answer.End <= m_question.CalculationDate);
    MeasureServed();
    FindDataBase();
    if (m_answer.CreditsCoverTerm) {
        // CP art. 42: the credits alone reach the whole term, and no date is due.
        m_answer.Progressions.clear();
    } else {
        FindParole();
        FindAlternatives();
        FindGoodBehaviour(m_answer);
    }
    DrawTimeline();
    CollectNotes(chain);
    result.Answer = std::move(m_answer);
    return result;
}

} // namespace

CaseExecutionResult ComputeCaseExecution(const ExecutionCase& question) {
    CaseExecutionResult result;
    result.Error = ValidateExecutionCase(question);
    if (!result.Ok()) {
        return result;
    }
    try {
        return CaseExecution(question).Answer();
    } catch (const DateError&) {
        // Every date was checked; a shift that still leaves the calendar is refused.
        result.Error = std::string(kSumBeyondCalendar);
        return result;
    }
}

} // namespace zarn
