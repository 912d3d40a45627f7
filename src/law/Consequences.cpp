#include "law/Consequences.h"

#include "law/LawTables.h"
#include "law/LawTexts.h"

#include <algorithm>

namespace zarn {

namespace {

bool DaysOutOfRange(long long days) {
    return days > kLargestTermDays;
}

long long PeriodMonths(long long years) {
    return years * kMonthsPerYear;
}

long long Increased(long long months, const PeriodChange& change) {
    return months + ShareOf(months, change.Share);
}

DayNumber DayOf(const CivilDate& date) {
    return DateFromCivil(date.Year, date.Month, date.Day);
}

// Whether a harsher regime than the one fixed could still be chosen with reasons (law.md 3):
// none above fechado, and detencao never starts in fechado.
bool HarsherRegimeExists(Regime regime, Especie kind) {
    if (regime == Regime::Fechado) {
        return false;
    }
    return !(regime == Regime::Semiaberto && kind == Especie::Detencao);
}

void AddNotes(std::vector<std::string>& all, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        if (std::find(all.begin(), all.end(), note) == all.end()) {
            all.push_back(note);
        }
    }
}

} // namespace

// law.md 3.
RegimeAnswer InitialRegime(long long termDays, const CaseFacts& facts) {
    RegimeAnswer answer;
    answer.TermDays = std::max(0LL, termDays - facts.DetracaoDays);
    answer.FullyServed = answer.TermDays == 0;
    const RegimeRow& row = RegimeRowFor(answer.TermDays);
    answer.Initial = row.FirstOffence;
    answer.Source = row.Source;
    if (facts.RepeatOffender && facts.FavourableCircumstances) {
        answer.Initial = row.RepeatFavourable;
        answer.Source = row.RepeatFavourableSource;
    } else if (facts.RepeatOffender) {
        answer.Initial = row.RepeatUnfavourable;
    }
    if (answer.Initial == Regime::Fechado && facts.Kind == Especie::Detencao) {
        answer.Initial = Regime::Semiaberto;
        answer.EasedForDetencao = true;
        answer.Source = kDetencaoNeverFechado;
    }
    answer.HarsherExists = HarsherRegimeExists(answer.Initial, facts.Kind);
    return answer;
}

// law.md 4.
SubstitutionAnswer SubstitutionFor(long long termDays, const CaseFacts& facts) {
    SubstitutionAnswer answer;
    const bool termAllows = facts.Culposo || (termDays <= kSubstitutionMaxDays && !facts.Violence);
    const bool repeat = RepeatInDolosoCrime(facts);
    answer.TermOrViolenceBars = !termAllows;
    answer.RepeatOffenceBars = repeat && facts.SpecificRepeatOffender;
    answer.AtJudgesDiscretion = repeat && !facts.SpecificRepeatOffender;
    answer.DependsOnCircumstances = !facts.FavourableCircumstances;
    answer.Possible = !answer.TermOrViolenceBars && !answer.RepeatOffenceBars;
    answer.Source = kSubstitution;
    if (answer.Possible) {
        const SubstitutionFormRow& form = SubstitutionFormFor(termDays);
        answer.Form = form.Form;
        answer.Source = answer.AtJudgesDiscretion ? kSubstitutionRepeatException : form.Source;
    }
    return answer;
}

// law.md 5: substitution, where it is possible, comes first and excludes every sursis.
SursisAnswer SursisFor(long long termDays, const CaseFacts& facts) {
    SursisAnswer answer;
    answer.Source = kSursisRows.front().Source;
    if (RepeatInDolosoCrime(facts) || !facts.FavourableCircumstances) {
        return answer;
    }
    if (SubstitutionFor(termDays, facts).Possible) {
        answer.SubstitutionComesFirst = termDays <= kSursisRows.back().MaxDays;
        return answer;
    }
    for (const SursisRow& row : kSursisRows) {
        if (termDays <= row.MaxDays && (!row.NeedsOver70 || facts.Over70AtSentence)) {
            answer.Possible = true;
            answer.Period = row.Period;
            answer.Source = row.Source;
            return answer;
        }
    }
    answer.HealthCouldOpen = termDays <= kSursisRows.back().MaxDays;
    return answer;
}

// law.md 6.
ParoleAnswer ParoleFor(long long termDays, const CaseFacts& facts) {
    ParoleAnswer answer;
    answer.Source = kParoleRows.front().Source;
    if (termDays < kParoleMinDays) {
        answer.Bar = ParoleBar::TermTooShort;
        return answer;
    }
    ParoleRule rule = ParoleRuleFor(facts);
    answer.Source = rule.Source;
    answer.Notes = std::move(rule.Notes);
    if (rule.Barred) {
        answer.Bar = ParoleBar::Barred;
        return answer;
    }
    answer.Possible = true;
    answer.Share = rule.Share;
    answer.Days = ShareOf(termDays, rule.Share);
    return answer;
}

// law.md 7 and 8.
ProgressionAnswer FirstProgression(long long termDays, const CaseFacts& facts) {
    ProgressionAnswer answer;
    answer.Rule = ProgressionRuleFor(facts);
    answer.Days = ShareOf(termDays, answer.Rule.Share);
    return answer;
}

// law.md 9.
PrescriptionAnswer PrescriptionFor(long long termDays, const CaseFacts& facts) {
    const PrescriptionRow& row = PrescriptionRowFor(termDays);
    PrescriptionAnswer answer;
    answer.PeriodYears = row.PeriodYears;
    answer.Source = row.Source;
    const std::optional<DayNumber> date = facts.CrimeDate;
    if (row.EarlierPeriodYears) {
        if (!date) {
            answer.EarlierPeriodYears = row.EarlierPeriodYears;
        } else if (*date < DayOf(*kPrescriptionWording.InForce)) {
            answer.PeriodYears = *row.EarlierPeriodYears;
        }
    }
    answer.HalvingBarred = facts.SexualViolenceAgainstWoman &&
                           (!date || *date >= DayOf(*kSexualViolenceWording.InForce));
    answer.AgeWouldHalve = facts.Under21AtCrime || facts.Over70AtSentence;
    answer.Halved = answer.AgeWouldHalve && !answer.HalvingBarred;
    answer.IncreasedForRepeat = facts.RepeatOffender;

    const long long months = PeriodMonths(answer.PeriodYears);
    answer.PunitivaMonths = months;
    answer.ExecutoriaMonths =
        answer.IncreasedForRepeat ? Increased(months, kRepeatOffenderIncrease) : months;
    if (answer.Halved) {
        answer.PunitivaMonths = ShareOf(answer.PunitivaMonths, kAgeHalving.Share);
        answer.ExecutoriaMonths = ShareOf(answer.ExecutoriaMonths, kAgeHalving.Share);
    }
    return answer;
}

std::string TermInputError(long long termDays, long long detracaoDays, long long remicaoDays) {
    if (termDays < 1) {
        return std::string(kTermTooShortMessage);
    }
    if (DaysOutOfRange(termDays)) {
        return std::string(kTermTooLongMessage);
    }
    if (detracaoDays < 0) {
        return std::string(kNegativeDetracaoMessage);
    }
    if (DaysOutOfRange(detracaoDays)) {
        return std::string(kDetracaoTooLongMessage);
    }
    if (remicaoDays < 0) {
        return std::string(kNegativeRemicaoMessage);
    }
    if (DaysOutOfRange(remicaoDays)) {
        return std::string(kRemicaoTooLongMessage);
    }
    return {};
}

ConsequencesOutcome AnalyseConsequences(long long termDays, const CaseFacts& facts) {
    ConsequencesOutcome outcome;
    outcome.Error = TermInputError(termDays, facts.DetracaoDays, 0);
    if (outcome.Ok()) {
        outcome.Error = FactsContradiction(facts);
    }
    if (!outcome.Ok()) {
        return outcome;
    }
    Consequences& answers = outcome.Answers;
    answers.TermDays = termDays;
    answers.Regime = InitialRegime(termDays, facts);
    answers.Substitution = SubstitutionFor(termDays, facts);
    answers.Sursis = SursisFor(termDays, facts);
    answers.Parole = ParoleFor(termDays, facts);
    answers.Progression = FirstProgression(termDays, facts);
    answers.Prescription = PrescriptionFor(termDays, facts);
    AddNotes(answers.Notes, answers.Progression.Rule.Notes);
    AddNotes(answers.Notes, answers.Parole.Notes);
    return outcome;
}

} // namespace zarn
