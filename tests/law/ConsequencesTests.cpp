#include "law/Consequences.h"
#include "law/IncisoName.h"
#include "law/LawTexts.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarn {
namespace {

constexpr long long kYear = 360;
constexpr long long kMonth = 30;

CaseFacts RepeatOffender() {
    CaseFacts facts;
    facts.RepeatOffender = true;
    return facts;
}

CaseFacts WithViolence() {
    CaseFacts facts;
    facts.Violence = true;
    return facts;
}

std::optional<std::string> ParoleFraction(const ParoleAnswer& parole) {
    return parole.Possible ? std::optional<std::string>(FractionText(parole.Share)) : std::nullopt;
}

std::optional<std::string_view> Optional(std::string_view text) {
    return text.empty() ? std::nullopt : std::optional<std::string_view>(text);
}

// The whole answer for the cases the command line shows.
TEST(Consequences, WholeAnswersForTypicalTerms) {
    CaseFacts youngRepeat = RepeatOffender();
    youngRepeat.Under21AtCrime = true;
    struct Row {
        long long term;
        CaseFacts facts;
        Regime regime;
        std::optional<std::string_view> substitution;
        std::optional<std::string_view> sursis;
        std::optional<std::string> parole;
        long long paroleDays;
        std::string percent;
        long long progressionDays;
        long long punitiva;
        long long executoria;
    };
    const Row rows[] = {
        {5 * kYear, {}, Regime::Semiaberto, {}, {}, "1/3", 600, "16", 288, 144, 144},
        {5 * kYear, youngRepeat, Regime::Fechado, {}, {}, "1/2", 900, "20", 360, 72, 96},
        {kYear + 6 * kMonth,
         {},
         Regime::Aberto,
         "uma pena restritiva de direitos e multa, ou duas restritivas de direitos",
         {},
         {},
         0,
         "16",
         86,
         48,
         48},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        const ConsequencesOutcome outcome = AnalyseConsequences(row.term, row.facts);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const Consequences& answers = outcome.Answers;
        EXPECT_EQ(answers.Regime.Initial, row.regime);
        EXPECT_EQ(Optional(answers.Substitution.Form), row.substitution);
        EXPECT_EQ(answers.Substitution.Possible, row.substitution.has_value());
        EXPECT_EQ(Optional(answers.Sursis.Period), row.sursis);
        EXPECT_EQ(ParoleFraction(answers.Parole), row.parole);
        EXPECT_EQ(answers.Parole.Days, row.paroleDays);
        EXPECT_EQ(PercentText(answers.Progression.Rule.Share, '.'), row.percent);
        EXPECT_EQ(answers.Progression.Days, row.progressionDays);
        EXPECT_EQ(answers.Prescription.PunitivaMonths, row.punitiva);
        EXPECT_EQ(answers.Prescription.ExecutoriaMonths, row.executoria);
    }
}

TEST(Consequences, RegimeFollowsTheTermLessDetracaoAndTheRecord) {
    CaseFacts unfavourableRepeat = RepeatOffender();
    unfavourableRepeat.FavourableCircumstances = false;
    CaseFacts detencao;
    detencao.Kind = Especie::Detencao;
    CaseFacts detencaoRepeat = RepeatOffender();
    detencaoRepeat.Kind = Especie::Detencao;
    CaseFacts detracao;
    detracao.DetracaoDays = 10;
    CaseFacts wholeDetracao;
    wholeDetracao.DetracaoDays = 9000;
    struct Row {
        long long term;
        CaseFacts facts;
        Regime regime;
        bool eased;
    };
    const Row rows[] = {
        {1, {}, Regime::Aberto, false},
        {4 * kYear, {}, Regime::Aberto, false},
        {4 * kYear + 1, {}, Regime::Semiaberto, false},
        {8 * kYear, {}, Regime::Semiaberto, false},
        {8 * kYear + 1, {}, Regime::Fechado, false},
        {4 * kYear, RepeatOffender(), Regime::Semiaberto, false},
        {4 * kYear, unfavourableRepeat, Regime::Fechado, false},
        {4 * kYear + 1, RepeatOffender(), Regime::Fechado, false},
        {8 * kYear + 1, detencao, Regime::Semiaberto, true},
        {8 * kYear, detencao, Regime::Semiaberto, false},
        {5 * kYear, detencaoRepeat, Regime::Semiaberto, true},
        {4 * kYear + 10, detracao, Regime::Aberto, false},
        {4 * kYear + 11, detracao, Regime::Semiaberto, false},
        {8 * kYear + 10, detracao, Regime::Semiaberto, false},
        {20 * kYear, wholeDetracao, Regime::Aberto, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        const RegimeAnswer answer = InitialRegime(row.term, row.facts);
        EXPECT_EQ(answer.Initial, row.regime);
        EXPECT_EQ(answer.EasedForDetencao, row.eased);
        EXPECT_EQ(answer.TermDays, std::max(0LL, row.term - row.facts.DetracaoDays));
    }
}

TEST(Consequences, SubstitutionNeedsEveryConditionAndTakesItsFormFromTheTerm) {
    CaseFacts culposoViolent = WithViolence();
    culposoViolent.Culposo = true;
    CaseFacts unfavourable;
    unfavourable.FavourableCircumstances = false;
    CaseFacts specific = RepeatOffender();
    specific.SpecificRepeatOffender = true;
    CaseFacts culposoRepeat = RepeatOffender();
    culposoRepeat.Culposo = true;
    CaseFacts earlierCulposo = RepeatOffender();
    earlierCulposo.EarlierDoloso = false;
    constexpr std::string_view kShort = "multa ou uma pena restritiva de direitos";
    constexpr std::string_view kLong =
        "uma pena restritiva de direitos e multa, ou duas restritivas de direitos";
    struct Row {
        long long term;
        CaseFacts facts;
        std::string_view form; // empty: not possible
        bool termOrViolence;
        bool repeat;
        bool judgesDiscretion;
        bool circumstances;
    };
    const Row rows[] = {
        {1, {}, kShort, false, false, false, false},
        {kYear, {}, kShort, false, false, false, false},
        {kYear + 1, {}, kLong, false, false, false, false},
        {4 * kYear, {}, kLong, false, false, false, false},
        {4 * kYear + 1, {}, {}, true, false, false, false},
        {kYear, WithViolence(), {}, true, false, false, false},
        {20 * kYear, culposoViolent, kLong, false, false, false, false},
        // A repeat offender in a doloso crime: par. 3 leaves it to the judge, unless specific.
        {kYear, RepeatOffender(), kShort, false, false, true, false},
        {kYear, specific, {}, false, true, false, false},
        {6 * kYear, culposoRepeat, kLong, false, false, false, false},
        {kYear, earlierCulposo, kShort, false, false, false, false},
        // Unfavourable circumstances leave it to the judge's assessment (art. 44 III).
        {kYear, unfavourable, kShort, false, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        const SubstitutionAnswer answer = SubstitutionFor(row.term, row.facts);
        EXPECT_EQ(answer.Possible, !row.form.empty());
        EXPECT_EQ(answer.Form, row.form);
        EXPECT_EQ(answer.TermOrViolenceBars, row.termOrViolence);
        EXPECT_EQ(answer.RepeatOffenceBars, row.repeat);
        EXPECT_EQ(answer.AtJudgesDiscretion, row.judgesDiscretion);
        EXPECT_EQ(answer.DependsOnCircumstances, row.circumstances);
    }
}

TEST(Consequences, SursisOnlyWhereSubstitutionIsNotPossible) {
    CaseFacts oldViolent = WithViolence();
    oldViolent.Over70AtSentence = true;
    CaseFacts old;
    old.Over70AtSentence = true;
    CaseFacts violentRepeat = WithViolence();
    violentRepeat.RepeatOffender = true;
    CaseFacts violentUnfavourable = WithViolence();
    violentUnfavourable.FavourableCircumstances = false;
    struct Row {
        long long term;
        CaseFacts facts;
        std::string_view period;
        bool substitutionFirst;
    };
    const Row rows[] = {
        {2 * kYear, WithViolence(), "2 a 4 anos", false},
        {2 * kYear + 1, WithViolence(), {}, false},
        {2 * kYear, oldViolent, "2 a 4 anos", false},
        {2 * kYear + 1, oldViolent, "4 a 6 anos", false},
        {4 * kYear, oldViolent, "4 a 6 anos", false},
        {4 * kYear + 1, oldViolent, {}, false},
        {2 * kYear, {}, {}, true},
        {4 * kYear, old, {}, true},
        {kYear, violentRepeat, {}, false},
        {kYear, violentUnfavourable, {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        const SursisAnswer answer = SursisFor(row.term, row.facts);
        EXPECT_EQ(answer.Possible, !row.period.empty());
        EXPECT_EQ(answer.Period, row.period);
        EXPECT_EQ(answer.SubstitutionComesFirst, row.substitutionFirst);
    }
}

// Every inciso of the progression table, named instead of the facts (today's law): its
// percentage, its first progression's days (floor of the exact product) and parole for the
// facts it implies.
TEST(Consequences, ProgressionAndParoleFollowTheIncisoNamed) {
    constexpr long long kTerm = 6 * kYear + 1; // 2161: every share has a fraction to drop
    struct Row {
        Inciso inciso;
        long long percentTenths; // of the law's table
        std::string percentText;
        std::optional<std::string> parole;
    };
    const Row rows[] = {
        {Inciso::I, 160, "16", "1/3"},   {Inciso::II, 200, "20", "1/2"},
        {Inciso::III, 250, "25", "1/3"}, {Inciso::IV, 300, "30", "1/2"},
        {Inciso::V, 400, "40", "2/3"},   {Inciso::VIa, 500, "50", {}},
        {Inciso::VIb, 500, "50", "1/3"}, {Inciso::VIc, 500, "50", "1/3"},
        {Inciso::VIA, 550, "55", {}},    {Inciso::VII, 600, "60", {}},
        {Inciso::VIII, 700, "70", {}},   {Inciso::Paragrafo3, 125, "12.5", "1/3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(IncisoName(row.inciso)));
        CaseFacts facts;
        ASSERT_EQ(ApplyInciso(row.inciso, facts), "");
        ASSERT_EQ(FactsContradiction(facts), "");
        const ProgressionAnswer progression = FirstProgression(kTerm, facts);
        EXPECT_EQ(progression.Rule.Which, row.inciso);
        EXPECT_EQ(PercentText(progression.Rule.Share, '.'), row.percentText);
        EXPECT_EQ(progression.Days, kTerm * row.percentTenths / 1000);
        EXPECT_TRUE(progression.Rule.Source.Wording.InForce.has_value());

        const ParoleAnswer parole = ParoleFor(kTerm, facts);
        EXPECT_EQ(ParoleFraction(parole), row.parole);
        EXPECT_EQ(parole.Bar, row.parole ? ParoleBar::None : ParoleBar::Barred);
        const long long numerator = row.parole == "2/3" ? 2 : 1;
        const long long denominator = row.parole == "1/2" ? 2 : 3;
        EXPECT_EQ(parole.Days, row.parole ? kTerm * numerator / denominator : 0);
    }
}

TEST(Consequences, ParoleNeedsTwoYearsAndFollowsTheRecord) {
    CaseFacts repeatHediondo = RepeatOffender();
    repeatHediondo.Nature = Natureza::Hediondo;
    struct Row {
        long long term;
        CaseFacts facts;
        std::optional<std::string> fraction;
        long long days;
        ParoleBar bar;
    };
    const Row rows[] = {
        {2 * kYear - 1, {}, {}, 0, ParoleBar::TermTooShort},
        {2 * kYear, {}, "1/3", 240, ParoleBar::None},
        {2 * kYear + 1, {}, "1/3", 240, ParoleBar::None},
        {2 * kYear + 1, RepeatOffender(), "1/2", 360, ParoleBar::None},
        {2 * kYear + 1, repeatHediondo, "2/3", 480, ParoleBar::None},
        {2 * kYear - 1, repeatHediondo, {}, 0, ParoleBar::TermTooShort},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        const ParoleAnswer answer = ParoleFor(row.term, row.facts);
        EXPECT_EQ(ParoleFraction(answer), row.fraction);
        EXPECT_EQ(answer.Days, row.days);
        EXPECT_EQ(answer.Bar, row.bar);
    }
}

TEST(Consequences, IncisoDerivedFromTheFacts) {
    CaseFacts violentRepeat = WithViolence();
    violentRepeat.RepeatOffender = true;
    CaseFacts culposoViolent = WithViolence();
    culposoViolent.Culposo = true;
    CaseFacts militia = violentRepeat;
    militia.Nature = Natureza::Milicia;
    CaseFacts privileged = violentRepeat;
    privileged.Nature = Natureza::TraficoPrivilegiado;
    const std::pair<CaseFacts, Inciso> rows[] = {
        {{}, Inciso::I},
        {RepeatOffender(), Inciso::II},
        {WithViolence(), Inciso::III},
        {violentRepeat, Inciso::IV},
        {culposoViolent, Inciso::I},
        {militia, Inciso::VIc},
        {privileged, Inciso::IV},
    };
    for (const auto& [facts, inciso] : rows) {
        EXPECT_EQ(ProgressionRuleFor(facts).Which, inciso) << IncisoName(inciso);
    }
}

// Art. 109 by the applied term, the executoria increased by a third for a repeat offender,
// both halved for age.
TEST(Consequences, PrescriptionPeriodsByTheTermWithIncreaseAndHalving) {
    struct Row {
        long long term;
        long long years;
        std::optional<long long> earlier;
    };
    const Row rows[] = {
        {1, 3, 2},
        {kYear - 1, 3, 2},
        {kYear, 4, {}},
        {2 * kYear, 4, {}},
        {2 * kYear + 1, 8, {}},
        {4 * kYear, 8, {}},
        {4 * kYear + 1, 12, {}},
        {8 * kYear, 12, {}},
        {8 * kYear + 1, 16, {}},
        {12 * kYear, 16, {}},
        {12 * kYear + 1, 20, {}},
        {kLargestTermDays, 20, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        for (const bool repeat : {false, true}) {
            for (const bool young : {false, true}) {
                CaseFacts facts;
                facts.RepeatOffender = repeat;
                facts.Over70AtSentence = young; // the same halving as under 21
                const PrescriptionAnswer answer = PrescriptionFor(row.term, facts);
                EXPECT_EQ(answer.PeriodYears, row.years);
                EXPECT_EQ(answer.EarlierPeriodYears, row.earlier);
                const long long months = row.years * 12;
                const long long executoria = repeat ? months * 4 / 3 : months;
                EXPECT_EQ(answer.PunitivaMonths, young ? months / 2 : months);
                EXPECT_EQ(answer.ExecutoriaMonths, young ? executoria / 2 : executoria);
            }
        }
    }
    // 8 years increased by a third is 10 years and 8 months; halved, 5 years and 4 months.
    CaseFacts youngRepeat = RepeatOffender();
    youngRepeat.Under21AtCrime = true;
    EXPECT_EQ(PrescriptionFor(3 * kYear, RepeatOffender()).ExecutoriaMonths, 10 * 12 + 8);
    EXPECT_EQ(PrescriptionFor(3 * kYear, youngRepeat).ExecutoriaMonths, 5 * 12 + 4);
}

TEST(Consequences, RefusedInputsGiveAMessage) {
    CaseFacts negative;
    negative.DetracaoDays = -1;
    CaseFacts huge;
    huge.DetracaoDays = kLargestTermDays + 1;
    struct Row {
        long long term;
        CaseFacts facts;
        std::string_view message;
    };
    const Row rows[] = {
        {0, {}, kTermTooShortMessage},
        {-5, {}, kTermTooShortMessage},
        {kLargestTermDays + 1, {}, kTermTooLongMessage},
        {100, negative, kNegativeDetracaoMessage},
        {100, huge, kDetracaoTooLongMessage},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AnalyseConsequences(row.term, row.facts).Error, row.message) << row.term;
    }
    EXPECT_TRUE(AnalyseConsequences(kLargestTermDays, {}).Ok());
}

TEST(IncisoName, ReadsEveryNameItWritesAndTheUsualSpellings) {
    for (int i = 0; i <= static_cast<int>(Inciso::Paragrafo3); ++i) {
        const auto inciso = static_cast<Inciso>(i);
        EXPECT_EQ(ReadIncisoName(IncisoName(inciso)), inciso) << IncisoName(inciso);
    }
    const std::pair<std::string_view, std::optional<Inciso>> rows[] = {
        {" iv ", Inciso::IV},
        {"viii", Inciso::VIII},
        {"VIa", Inciso::VIa},
        {"vi-b", Inciso::VIb},
        {"VI-A", Inciso::VIA},
        {"VIA", Inciso::VIA},
        {"par3", Inciso::Paragrafo3},
        {"Par. 3", Inciso::Paragrafo3},
        {"\xA7"
         "3",
         Inciso::Paragrafo3},
        {"\xA7 3\xBA", Inciso::Paragrafo3},
        {"VI", {}},
        {"VI-B", {}},
        {"VI-d", {}},
        {"IX", {}},
        {"X", {}},
        {"", {}},
        {"  ", {}},
        {"par4", {}},
        {"3", {}},
        {"VII-a", {}},
        {"I I", {}},
        {"\xA7", {}},
    };
    for (const auto& [text, inciso] : rows) {
        EXPECT_EQ(ReadIncisoName(text), inciso) << text;
    }
}

} // namespace
} // namespace zarn
