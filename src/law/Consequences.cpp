#include "law/Consequences.h"

#include "law/LawTables.h"
#include "law/LawTexts.h"

#include <algorithm>

namespace zarn {

namespace {

bool DaysOutOfRange(long long days) {
    return days > kLargestTermDays;
}

ParoleCase ParoleCaseFor(ParoleClass parole, const CaseFacts& facts) {
    if (parole == ParoleClass::Hediondo) {
        return ParoleCase::Hediondo;
    }
    return facts.RepeatOffender ? ParoleCase::RepeatOffence : ParoleCase::FirstOffence;
}

long long PeriodMonths(long long years) {
    return years * kMonthsPerYear;
}

long long Increased(long long months, const PeriodChange& change) {
    return months + ShareOf(months, change.Share);
}

} // namespace

RegimeAnswer InitialRegime(long long termDays, const CaseFacts& facts) {
    RegimeAnswer answer;
    answer.TermDays = std::max(0LL, termDays - facts.DetracaoDays);
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
    return answer;
}

SubstitutionAnswer SubstitutionFor(long long termDays, const CaseFacts& facts) {
    SubstitutionAnswer answer;
    const bool termAllows = facts.Culposo || (termDays <= kSubstitutionMaxDays && !facts.Violence);
    answer.TermOrViolenceBars = !termAllows;
    answer.RepeatOffenceBars = facts.RepeatOffender;
    answer.CircumstancesBar = !facts.FavourableCircumstances;
    answer.Possible =
        !answer.TermOrViolenceBars && !answer.RepeatOffenceBars && !answer.CircumstancesBar;
    answer.Source = kSubstitution;
    if (answer.Possible) {
        const SubstitutionFormRow& form = SubstitutionFormFor(termDays);
        answer.Form = form.Form;
        answer.Source = form.Source;
    }
    return answer;
}

SursisAnswer SursisFor(long long termDays, const CaseFacts& facts) {
    SursisAnswer answer;
    answer.Source = kSursisRows.front().Source;
    if (facts.RepeatOffender || !facts.FavourableCircumstances) {
        return answer;
    }
    const bool substitution = SubstitutionFor(termDays, facts).Possible;
    for (const SursisRow& row : kSursisRows) {
        const bool applies =
            termDays <= row.MaxDays && (!row.NeedsOver70 || facts.Over70AtSentence);
        if (!applies) {
            continue;
        }
        if (substitution) {
            answer.SubstitutionComesFirst = true;
            return answer;
        }
        answer.Possible = true;
        answer.Period = row.Period;
        answer.Source = row.Source;
        return answer;
    }
    return answer;
}

ParoleAnswer ParoleFor(long long termDays, const CaseFacts& facts) {
    ParoleAnswer answer;
    answer.Source = kParole;
    const ProgressionRow& inciso = ProgressionRowFor(EffectiveInciso(facts));
    if (termDays < kParoleMinDays) {
        answer.Bar = ParoleBar::TermTooShort;
        return answer;
    }
    if (inciso.Parole == ParoleClass::Barred) {
        answer.Bar = ParoleBar::BarredByInciso;
        answer.Source = inciso.Source;
        return answer;
    }
    const ParoleRow& row = ParoleRowFor(ParoleCaseFor(inciso.Parole, facts));
    answer.Possible = true;
    answer.Share = row.Share;
    answer.Days = ShareOf(termDays, row.Share);
    answer.Source = row.Source;
    return answer;
}

ProgressionAnswer FirstProgression(long long termDays, const CaseFacts& facts) {
    const ProgressionRow& row = ProgressionRowFor(EffectiveInciso(facts));
    return ProgressionAnswer{row.Which, row.Share, ShareOf(termDays, row.Share), row.Source};
}

PrescriptionAnswer PrescriptionFor(long long termDays, const CaseFacts& facts) {
    const PrescriptionRow& row = PrescriptionRowFor(termDays);
    PrescriptionAnswer answer;
    answer.PeriodYears = row.PeriodYears;
    answer.EarlierPeriodYears = row.EarlierPeriodYears;
    answer.Source = row.Source;
    answer.Halved = facts.Under21AtCrime || facts.Over70AtSentence;
    answer.IncreasedForRepeat = facts.RepeatOffender;

    const long long months = PeriodMonths(row.PeriodYears);
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
    return outcome;
}

} // namespace zarn
