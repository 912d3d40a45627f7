// The second phase (law.md 13): agravantes and atenuantes summed and applied once, or in
// cascade; the compensation of confissao with reincidencia, in full or in proportion; the
// minimum (Sumula 231) and the maximum that hold the pena provisoria.

#include "CrimeBuilder.h"
#include "SentencingCases.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

using namespace testing;

// Pena-base 9 years and 6 months, 96 dias-multa (3420 days).
CrimeBuilder HomicideBase() {
    return CrimeBuilder(Years(6), Years(20))
        .Unfavourable(JudicialCircumstance::Culpabilidade)
        .Unfavourable(JudicialCircumstance::Motivos);
}

// A pena-base of the days given, without a fine, far from both ends of its range.
CrimeBuilder BaseOf(long long days) {
    return CrimeBuilder(1, Years(100))
        .WithoutFine()
        .UnfavourableByTerm(JudicialCircumstance::Culpabilidade, days - 1);
}

constexpr auto kSobreBase = SecondPhaseMethod::SobreBase;
constexpr auto kCascata = SecondPhaseMethod::Cascata;

struct ProvisionalRow {
    std::string what;
    CrimeInput crime;
    SecondPhaseMethod method;
    TermAmount provisional;
    StepLimit limit;
};

TEST(PenaProvisoria, ModifiersCompensationAndLimits) {
    const ProvisionalRow rows[] = {
        {"none", HomicideBase(), kSobreBase, {3420, 96}, StepLimit::None},
        {"one agravante of 1/6",
         HomicideBase().Agravante("motivo_futil"),
         kSobreBase,
         {3990, 112},
         StepLimit::None},
        {"an agravante and an atenuante of 1/6 cancel",
         HomicideBase().Agravante("motivo_futil").Atenuante("relevante_valor"),
         kSobreBase,
         {3420, 96},
         StepLimit::None},
        {"two agravantes summed: 1/3 once",
         HomicideBase().Agravante("motivo_futil").Agravante("meio_cruel"),
         kSobreBase,
         {ExactStep(3420, 1, 3, true), ExactStep(96, 1, 3, true)},
         StepLimit::None},
        {"two agravantes in cascade",
         HomicideBase().Agravante("motivo_futil").Agravante("meio_cruel"),
         kCascata,
         {ExactStep(3990, 1, 6, true), ExactStep(112, 1, 6, true)},
         StepLimit::None},
        {"a fraction typed, a name typed",
         HomicideBase().Agravante("art. 298 do CPM", {1, 5}),
         kSobreBase,
         {ExactStep(3420, 1, 5, true), ExactStep(96, 1, 5, true)},
         StepLimit::None},
        {"confissao and reincidencia compensate in full, whatever their fractions",
         HomicideBase().Agravante("reincidencia", {1, 5}).Atenuante("confissao"),
         kSobreBase,
         {3420, 96},
         StepLimit::None},
        {"in full in cascade too",
         HomicideBase().Agravante("reincidencia").Atenuante("confissao"),
         kCascata,
         {3420, 96},
         StepLimit::None},
        {"multirreincidencia 1/3 less confissao 1/6 leaves 1/6",
         HomicideBase().Agravante("multirreincidencia", {1, 3}).Atenuante("confissao"),
         kSobreBase,
         {3990, 112},
         StepLimit::None},
        {"multirreincidencia and confissao of equal fractions cancel",
         HomicideBase().Agravante("multirreincidencia").Atenuante("confissao"),
         kSobreBase,
         {3420, 96},
         StepLimit::None},
        {"a confissao larger than the multirreincidencia leaves an atenuante of 1/12",
         HomicideBase().Agravante("multirreincidencia").Atenuante("confissao", {1, 4}),
         kCascata,
         {ExactStep(3420, 1, 12, false), ExactStep(96, 1, 12, false)},
         StepLimit::None},
        {"a second confissao has no reincidencia left to offset",
         HomicideBase().Agravante("reincidencia").Atenuante("confissao").Atenuante("confissao"),
         kSobreBase,
         {2850, 80},
         StepLimit::None},
        {"Sumula 231: never below the minimum",
         CrimeBuilder(Years(4), Years(10)).Atenuante("confissao"),
         kSobreBase,
         {1440, 10},
         StepLimit::Minimum},
        {"Sumula 231 in cascade",
         CrimeBuilder(Years(4), Years(10)).Atenuante("confissao").Atenuante("multidao"),
         kCascata,
         {1440, 10},
         StepLimit::Minimum},
        {"never above the maximum",
         CrimeBuilder(Years(6), Years(20))
             .UnfavourableBy(JudicialCircumstance::Culpabilidade, {1, 1})
             .Agravante("motivo_futil"),
         kSobreBase,
         {Years(20), 360},
         StepLimit::Maximum},
        {"cascade: the agravante first gives less on 1000 days",
         BaseOf(1000).Agravante("motivo_futil").Atenuante("confissao", {1, 4}),
         kCascata,
         {ExactStep(ExactStep(1000, 1, 6, true), 1, 4, false), 0},
         StepLimit::None},
        {"cascade: the atenuante first gives less on 1005 days",
         BaseOf(1005).Agravante("motivo_futil").Atenuante("confissao", {1, 4}),
         kCascata,
         {ExactStep(ExactStep(1005, 1, 4, false), 1, 6, true), 0},
         StepLimit::None},
    };
    for (const ProvisionalRow& row : rows) {
        SCOPED_TRACE(row.what);
        const SentencingAnswer answer = Computed(OneCrime(row.crime, WithSecondPhase(row.method)));
        const CrimeSentence& crime = answer.Crimes.front();
        EXPECT_EQ(crime.PenaProvisoria, PartsOf(row.provisional));
        StepLimit limit = StepLimit::None;
        for (const SentencingStep& step : crime.Passos) {
            if (step.Fase == SentencingPhase::PenaProvisoria && step.Tipo == StepKind::Limit) {
                limit = step.Limite;
            }
        }
        EXPECT_EQ(limit, row.limit);
    }
}

// The oracle of the last rows: the two orders differ by a day, one each way.
TEST(PenaProvisoria, TheTwoCascadeOrdersDifferOnTheseTerms) {
    EXPECT_LT(ExactStep(ExactStep(1000, 1, 6, true), 1, 4, false),
              ExactStep(ExactStep(1000, 1, 4, false), 1, 6, true));
    EXPECT_GT(ExactStep(ExactStep(1005, 1, 6, true), 1, 4, false),
              ExactStep(ExactStep(1005, 1, 4, false), 1, 6, true));
}

TEST(PenaProvisoria, CompensationIsRecordedWithWhatIsLeft) {
    const CrimeInput crime =
        HomicideBase().Agravante("multirreincidencia", {1, 3}).Atenuante("confissao");
    const SentencingAnswer answer = Computed(OneCrime(crime));
    const auto& steps = answer.Crimes.front().Passos;
    const auto compensation = std::find_if(steps.begin(), steps.end(), [](const auto& step) {
        return step.Tipo == StepKind::Compensation;
    });
    ASSERT_NE(compensation, steps.end());
    EXPECT_EQ(compensation->Nome, "multirreincidencia");
    EXPECT_EQ(compensation->Fracao, (Fraction{1, 6}));
    EXPECT_TRUE(compensation->Aumenta);
    EXPECT_EQ(compensation->Fonte.Article, "STJ, Tema 585");
}

} // namespace
} // namespace zarn
