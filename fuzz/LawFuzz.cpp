// The legal analyses on an arbitrary term, facts of the case, start date, regime,
// convention, detracao and remicao.
//
// The input, byte by byte: a scale (the term in two, three or five bytes, less 16 so that
// zero and negative terms come up), the term; the facts as bits (detencao, repeat offender,
// unfavourable circumstances, violence, culposo, under 21, over 70); an inciso named (or
// none); the initial regime (or derived); the convention; detracao and remicao in two bytes
// each, less 16; the start date in three bytes, from a few days before 01/01/0001 to a few
// after 31/12/9999; then, as the window and zarn-calc give them, a start-date text and a
// remicao text, each to the next line break; then the rest of the facts: the natureza, more
// bits (specific repeat offender, earlier crime culposo, bad antecedents, attempt, sexual
// violence against a woman, paragraph 3) and the date of the crime in two bytes (0: not
// given; else days from 01/01/1990, so that every law's date of force comes up).
//
// Properties: either the inputs' message (a term or a count out of range, facts that
// contradict each other, an inciso that contradicts them: then the facts stay as they were)
// or answers whose invariants hold: days never negative and never above the term, shares
// from the tables and never above the share of the law at an earlier crime's date, benefits
// only within their limits, start <= each progression (in order) and parole <= the day after
// the last day, the end never before the start, the art. 75 end never after the whole
// term's, every date within the calendar, and texts that end with the closing line. From the
// texts: never an exception, dates only for a start that reads as a date and from that date.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "law/ConsequencesText.h"
#include "law/ExecutionDates.h"
#include "law/ExecutionInput.h"
#include "law/ExecutionText.h"
#include "law/FactNames.h"
#include "law/LawByDate.h"
#include "law/LawTables.h"
#include "law/LawTexts.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace zarn::fuzz {
namespace {

constexpr long long kNegativeRoom = 16;
constexpr int kIncisoChoices = static_cast<int>(Inciso::Paragrafo3) + 2; // the last: none
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

CaseFacts TakeFacts(FuzzInput& input, std::optional<Inciso>& inciso) {
    const std::uint8_t bits = input.TakeByte();
    CaseFacts facts;
    facts.Kind = (bits & 1) != 0 ? Especie::Detencao : Especie::Reclusao;
    facts.RepeatOffender = (bits & 2) != 0;
    facts.FavourableCircumstances = (bits & 4) == 0;
    facts.Violence = (bits & 8) != 0;
    facts.Culposo = (bits & 16) != 0;
    facts.Under21AtCrime = (bits & 32) != 0;
    facts.Over70AtSentence = (bits & 64) != 0;
    const int named = input.TakeIndex(kIncisoChoices);
    if (named < kIncisoChoices - 1) {
        inciso = static_cast<Inciso>(named);
    }
    return facts;
}

void TakeMoreFacts(FuzzInput& input, CaseFacts& facts) {
    facts.Nature = static_cast<Natureza>(input.TakeIndex(static_cast<int>(kNaturezaNames.size())));
    const std::uint8_t bits = input.TakeByte();
    facts.SpecificRepeatOffender = (bits & 1) != 0;
    facts.EarlierDoloso = (bits & 2) == 0;
    facts.GoodAntecedents = (bits & 4) == 0;
    facts.Attempt = (bits & 8) != 0;
    facts.SexualViolenceAgainstWoman = (bits & 16) != 0;
    facts.Paragraph3 = (bits & 32) != 0;
    const long long days = TakeNumber(input, 2);
    if (days != 0) {
        facts.CrimeDate = DateFromCivil(1990, 1, 1) + static_cast<DayNumber>(days - 1);
    }
}

// law.md 8 by hand: the share of the law in force at the date of a crime before Lei
// 13.964/2019 (1/6, or for the crimes hediondos from Lei 11.464/2007 2/5 and 3/5).
std::optional<Fraction> EarlierLawShare(const CaseFacts& facts) {
    if (!facts.CrimeDate || *facts.CrimeDate >= DateFromCivil(2020, 1, 23)) {
        return std::nullopt;
    }
    const bool hediondo = facts.Nature == Natureza::Hediondo ||
                          facts.Nature == Natureza::HediondoMorte ||
                          facts.Nature == Natureza::Feminicidio;
    if (!hediondo || *facts.CrimeDate < DateFromCivil(2007, 3, 29)) {
        return Fraction{1, 6};
    }
    return facts.RepeatOffender ? Fraction{3, 5} : Fraction{2, 5};
}

bool NotAbove(Fraction share, Fraction limit) {
    return share.Numerator * limit.Denominator <= limit.Numerator * share.Denominator;
}

bool IsTableShare(Fraction share) {
    const bool earlier =
        share == kEarlierShare ||
        std::any_of(kHediondoShares2007.begin(), kHediondoShares2007.end(),
                    [share](const HediondoShareRow& row) { return row.Share == share; });
    return earlier ||
           std::any_of(kProgressionRows.begin(), kProgressionRows.end(),
                       [share](const ProgressionRow& row) { return row.Share == share; });
}

bool IsParoleShare(Fraction share) {
    return std::any_of(kParoleRows.begin(), kParoleRows.end(),
                       [share](const ParoleRow& row) { return row.Share == share; });
}

bool EndsWithClosingLine(const std::string& text) {
    return text.ends_with(kClosingLine);
}

bool InputsRefused(long long term, const CaseFacts& facts, long long remicao) {
    const auto outside = [](long long days) { return days < 0 || days > kLargestTermDays; };
    return term < 1 || term > kLargestTermDays || outside(facts.DetracaoDays) || outside(remicao) ||
           !FactsContradiction(facts).empty();
}

void CheckConsequences(long long term, const CaseFacts& facts) {
    const ConsequencesOutcome outcome = AnalyseConsequences(term, facts);
    Require(outcome.Ok() == !InputsRefused(term, facts, 0),
            "consequences refused exactly for a term or detracao out of range, or contradictory "
            "facts");
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
    const Fraction share = answers.Progression.Rule.Share;
    Require(IsTableShare(share), "a progression share of the tables");
    const std::optional<Fraction> earlier = EarlierLawShare(facts);
    Require(!earlier || NotAbove(share, *earlier),
            "never above the share of the law at an earlier crime's date");
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
    const bool refused = InputsRefused(request.TermDays, request.Facts, request.RemicaoDays);
    if (!outcome.Ok()) {
        Require(refused || outcome.Error == kDateOutOfRangeMessage,
                "dates refused only for leaving the calendar");
        return;
    }
    Require(!refused, "refused inputs give no dates");
    const ExecutionDates& dates = outcome.Dates;
    Require(dates.Start >= kFirstDayNumber && dates.Start <= kLastDayNumber,
            "the start within the calendar");
    const long long deducted = request.Facts.DetracaoDays + request.RemicaoDays;
    const long long capDays = Art75CapFor(request.Facts.CrimeDate).Years * 360;
    Require(dates.FullyServed == (deducted >= std::min(request.TermDays, capDays)),
            "fully served exactly when the deductions reach the term or the art. 75 cap");
    const std::string text = WriteExecution(dates);
    Require(EndsWithClosingLine(text), "the execution text ends with the closing line");
    if (dates.FullyServed) {
        Require(dates.Progressions.empty() && !dates.Parole, "no dates for a term served whole");
        return;
    }
    Require(dates.LastDay >= dates.Start && dates.LastDay <= kLastDayNumber,
            "the end within the calendar, never before the start");
    Require(dates.EndOfServing() >= dates.Start && dates.EndOfServing() <= dates.LastDay,
            "the art. 75 end between the start and the whole term's end");
    Require(dates.Cap.has_value() == dates.CappedLastDay.has_value(), "a capped end with its cap");
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
        Require(progression.Due.Share == dates.Progression.Share, "the rule's share");
        from = progression.Due.DueFrom;
    }
    Require(dates.Parole.has_value() == dates.ParoleRule.Possible, "parole dates where allowed");
    if (dates.Parole) {
        CheckMilestone(*dates.Parole, dates.Start, dates);
    }
    Require(WriteDayMonthYear(dates.LastDay).size() == 10, "a four-digit year");
}

// The same question with the start date and the remicao as texts.
void CheckExecutionFromTexts(const ExecutionRequest& request, const std::string& start,
                             const std::string& remicao) {
    const ExecutionQuestion question{start, remicao, request.Facts, request.InitialRegime,
                                     request.Convention};
    const ExecutionAnswer answer = AnswerExecution(request.TermDays, question);
    Require(!answer.Text.empty(), "the dates' text or a message");
    const std::optional<DayNumber> read = ReadStartDate(start);
    Require(read.has_value() || !answer.Ok(), "no dates from a start that is no date");
    if (answer.Ok()) {
        Require(answer.Dates->Start == std::trunc(*read), "the dates start on the date read");
        Require(EndsWithClosingLine(answer.Text), "the text ends with the closing line");
    }
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    ExecutionRequest request;
    request.TermDays = TakeTerm(input);
    std::optional<Inciso> inciso;
    request.Facts = TakeFacts(input, inciso);
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
    const std::string startText = input.TakeText();
    const std::string remicaoText = input.TakeText();
    TakeMoreFacts(input, request.Facts);
    if (inciso) {
        const CaseFacts given = request.Facts;
        const std::string refusal = ApplyInciso(*inciso, request.Facts);
        Require(refusal.empty() || request.Facts == given,
                "an inciso refused leaves the facts as they were");
    }

    CheckConsequences(request.TermDays, request.Facts);
    CheckExecution(request);
    UseCalendarDateSettings();
    CheckExecutionFromTexts(request, startText, remicaoText);
    return 0;
}
