// The legal analyses on an arbitrary term, facts of the case, start date, regime,
// convention, detracao and remicao.
//
// The input, byte by byte: a scale (the term in two, three or five bytes, less 16 so that
// zero and negative terms come up), the term; the facts as bits (detencao, repeat offender,
// unfavourable circumstances, violence, culposo, under 21, over 70); the inciso (or derived);
// the initial regime (or derived); the convention; detracao and remicao in two bytes each,
// less 16; the start date in three bytes, from a few days before 01/01/0001 to a few after
// 31/12/9999.
//
// Properties: either the inputs' message or answers whose invariants hold: days never
// negative and never above the term, shares from the tables, benefits only within their
// limits, start <= each progression (in order) and parole <= the day after the last day,
// every date within the calendar, and texts that end with the closing line.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "law/ConsequencesText.h"
#include "law/ExecutionDates.h"
#include "law/ExecutionText.h"
#include "law/LawTables.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace zarn::fuzz {
namespace {

constexpr long long kNegativeRoom = 16;
constexpr int kIncisoChoices = static_cast<int>(Inciso::Paragrafo3) + 2; // the last: derived
constexpr int kRegimeChoices = 4;                                        // the last: derived
constexpr long long kDatesBeyondTheCalendar = 10;

long long TakeNumber(FuzzInput& input, int bytes) {
    long long value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value * 256 + input.TakeByte();
    }
    return value;
}

long long TakeTerm(FuzzInput& input) {
    constexpr int kScales[] = {2, 3, 5};
    const int bytes = kScales[input.TakeIndex(3)];
    return TakeNumber(input, bytes) - kNegativeRoom;
}

CaseFacts TakeFacts(FuzzInput& input) {
    const std::uint8_t bits = input.TakeByte();
    CaseFacts facts;
    facts.Kind = (bits & 1) != 0 ? Especie::Detencao : Especie::Reclusao;
    facts.RepeatOffender = (bits & 2) != 0;
    facts.FavourableCircumstances = (bits & 4) == 0;
    facts.Violence = (bits & 8) != 0;
    facts.Culposo = (bits & 16) != 0;
    facts.Under21AtCrime = (bits & 32) != 0;
    facts.Over70AtSentence = (bits & 64) != 0;
    const int inciso = input.TakeIndex(kIncisoChoices);
    if (inciso < kIncisoChoices - 1) {
        facts.ChosenInciso = static_cast<Inciso>(inciso);
    }
    return facts;
}

bool IsTableShare(Fraction share) {
    return std::any_of(kProgressionRows.begin(), kProgressionRows.end(),
                       [share](const ProgressionRow& row) { return row.Share == share; });
}

bool IsParoleShare(Fraction share) {
    return std::any_of(kParoleRows.begin(), kParoleRows.end(),
                       [share](const ParoleRow& row) { return row.Share == share; });
}

bool EndsWithClosingLine(const std::string& text) {
    return text.ends_with(kClosingLine);
}

bool InputsRefused(long long term, long long detracao, long long remicao) {
    const auto outside = [](long long days) { return days < 0 || days > kLargestTermDays; };
    return term < 1 || term > kLargestTermDays || outside(detracao) || outside(remicao);
}

void CheckConsequences(long long term, const CaseFacts& facts) {
    const ConsequencesOutcome outcome = AnalyseConsequences(term, facts);
    Require(outcome.Ok() == !InputsRefused(term, facts.DetracaoDays, 0),
            "consequences refused exactly for a term or detracao out of range");
    if (!outcome.Ok()) {
        return;
    }
    const Consequences& answers = outcome.Answers;
    Require(answers.Regime.TermDays >= 0 && answers.Regime.TermDays <= term,
            "the regime's term within the term");
    Require(facts.Kind == Especie::Reclusao || answers.Regime.Initial != Regime::Fechado,
            "detencao never starts in fechado");
    const SubstitutionAnswer& substitution = answers.Substitution;
    Require(substitution.Possible == !substitution.Form.empty(), "a form exactly when possible");
    Require(!substitution.Possible || facts.Culposo || term <= kSubstitutionMaxDays,
            "substitution within its limit");
    Require(!(substitution.Possible && answers.Sursis.Possible),
            "sursis only where substitution is not possible");
    Require(!answers.Sursis.Possible || term <= kSursisRows.back().MaxDays,
            "sursis within its limit");
    const ParoleAnswer& parole = answers.Parole;
    Require(!parole.Possible || (term >= kParoleMinDays && IsParoleShare(parole.Share)),
            "parole from two years, with a fraction of the table");
    Require(parole.Days >= 0 && parole.Days <= term, "parole days within the term");
    Require(IsTableShare(answers.Progression.Share), "a progression share of the table");
    Require(answers.Progression.Days >= 0 && answers.Progression.Days <= term,
            "progression days within the term");
    const PrescriptionAnswer& prescription = answers.Prescription;
    Require(prescription.PunitivaMonths > 0 &&
                prescription.PunitivaMonths <= prescription.ExecutoriaMonths &&
                prescription.ExecutoriaMonths * 3 <= prescription.PunitivaMonths * 4,
            "the executoria at most a third above the punitiva");
    Require(EndsWithClosingLine(WriteConsequences(answers, facts)),
            "the consequences text ends with the closing line");
}

void CheckMilestone(const Milestone& milestone, DayNumber from, const ExecutionDates& dates) {
    Require(milestone.FractionDays >= 0 && milestone.FractionDays <= dates.CountedDays,
            "a benefit's days within the term");
    Require(milestone.ServedDays >= 0 && milestone.ServedDays <= milestone.FractionDays,
            "the days served never negative, never above the fraction");
    Require(milestone.DueFrom >= from && milestone.DueFrom <= dates.LastDay + 1,
            "a benefit due between its start and the day after the last day");
    Require(milestone.DueFrom <= kLastDayNumber, "a benefit due within the calendar");
}

void CheckExecution(const ExecutionRequest& request) {
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    const bool refused =
        InputsRefused(request.TermDays, request.Facts.DetracaoDays, request.RemicaoDays);
    if (!outcome.Ok()) {
        Require(refused || outcome.Error == kDateOutOfRangeMessage,
                "dates refused only for leaving the calendar");
        return;
    }
    Require(!refused, "refused inputs give no dates");
    const ExecutionDates& dates = outcome.Dates;
    Require(dates.Start >= kFirstDayNumber && dates.Start <= kLastDayNumber,
            "the start within the calendar");
    Require(dates.LastDay >= dates.Start - 1 && dates.LastDay >= kFirstDayNumber &&
                dates.LastDay <= kLastDayNumber,
            "the last day within the calendar, not before the day before the start");
    Require(dates.Convention == CountingConvention::CalendarDays ||
                dates.CountedDays == dates.TermDays,
            "on the 360/30 base the shares are of the term");
    const std::size_t expected = dates.Initial == Regime::Fechado      ? 2
                                 : dates.Initial == Regime::Semiaberto ? 1
                                                                       : 0;
    Require(dates.Progressions.size() == expected,
            "two progressions from fechado, one from semiaberto");
    DayNumber from = dates.Start;
    for (const ProgressionDate& progression : dates.Progressions) {
        CheckMilestone(progression.Due, from, dates);
        Require(progression.Due.Share == dates.ProgressionRule.Share, "the inciso's share");
        from = progression.Due.DueFrom;
    }
    Require(dates.Parole.has_value() == dates.ParoleRule.Possible, "parole dates where allowed");
    if (dates.Parole) {
        CheckMilestone(*dates.Parole, dates.Start, dates);
    }
    const std::string text = WriteExecution(dates);
    Require(EndsWithClosingLine(text), "the execution text ends with the closing line");
    Require(WriteDayMonthYear(dates.LastDay).size() == 10, "a four-digit year");
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    ExecutionRequest request;
    request.TermDays = TakeTerm(input);
    request.Facts = TakeFacts(input);
    const int regime = input.TakeIndex(kRegimeChoices);
    if (regime < kRegimeChoices - 1) {
        request.InitialRegime = static_cast<Regime>(regime);
    }
    request.Convention = (input.TakeByte() & 1) != 0 ? CountingConvention::CalendarDays
                                                     : CountingConvention::Base360;
    request.Facts.DetracaoDays = TakeNumber(input, 2) - kNegativeRoom;
    request.RemicaoDays = TakeNumber(input, 2) - kNegativeRoom;
    const auto calendarDays = static_cast<long long>(kLastDayNumber - kFirstDayNumber) + 1;
    const long long offset = TakeNumber(input, 3) % (calendarDays + 2 * kDatesBeyondTheCalendar) -
                             kDatesBeyondTheCalendar;
    request.Start = kFirstDayNumber + static_cast<DayNumber>(offset);

    CheckConsequences(request.TermDays, request.Facts);
    CheckExecution(request);
    return 0;
}
