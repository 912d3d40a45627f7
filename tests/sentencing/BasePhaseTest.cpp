// The first phase (law.md 13): the criteria, a fraction or a term typed for a circumstance, the
// maximum that holds the pena-base, and the dias-multa that follow the same shares.

#include "CrimeBuilder.h"
#include "SentencingCases.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

using namespace testing;

constexpr auto kCulpabilidade = JudicialCircumstance::Culpabilidade;
constexpr auto kMotivos = JudicialCircumstance::Motivos;

CrimeBuilder Homicide() {
    return CrimeBuilder(Years(6), Years(20));
}

SentencingOptions Options(BaseCriterion criterion, FinesMethod fines = FinesMethod::Proporcional) {
    SentencingOptions options;
    options.PenaBase = criterion;
    options.MultaDosimetria = fines;
    return options;
}

CrimeBuilder AllEightUnfavourable(CrimeBuilder crime) {
    for (std::size_t i = 0; i < kJudicialCircumstanceCount; ++i) {
        crime.Unfavourable(static_cast<JudicialCircumstance>(i));
    }
    return crime;
}

struct BaseRow {
    std::string what;
    CrimeInput crime;
    SentencingOptions options;
    TermParts base;
    StepLimit limit;
};

TEST(PenaBase, CriteriaSharesAndTheMaximum) {
    constexpr auto kOitavo = BaseCriterion::OitavoIntervalo;
    constexpr auto kSexto = BaseCriterion::SextoMinimo;
    const BaseRow rows[] = {
        {"no unfavourable circumstance: the minimum",
         Homicide(),
         {},
         {6, 0, 0, 10},
         StepLimit::None},
        {"1/8 of 14 years and of 350 dias-multa, twice",
         Homicide().Unfavourable(kCulpabilidade).Unfavourable(kMotivos),
         {},
         {9, 6, 0, 96},
         StepLimit::None},
        {"1/6 of 6 years and of 10 dias-multa, twice",
         Homicide().Unfavourable(kCulpabilidade).Unfavourable(kMotivos),
         Options(kSexto),
         {8, 0, 0, 12},
         StepLimit::None},
        {"the crime's criterion before the options'",
         Homicide().Criterion(kSexto).Unfavourable(kCulpabilidade).Unfavourable(kMotivos),
         Options(kOitavo),
         {8, 0, 0, 12},
         StepLimit::None},
        {"eight eighths reach the maximum exactly",
         AllEightUnfavourable(Homicide()),
         {},
         {20, 0, 0, 354},
         StepLimit::None},
        {"a fraction typed, of the interval",
         Homicide().UnfavourableBy(kCulpabilidade, {1, 4}),
         {},
         {9, 6, 0, 97},
         StepLimit::None},
        {"a fraction typed, of the minimum",
         Homicide().UnfavourableBy(kCulpabilidade, {1, 4}),
         Options(kSexto),
         {7, 6, 0, 12},
         StepLimit::None},
        {"a term typed; its dias-multa in proportion (360 x 350 / 5040)",
         Homicide().UnfavourableByTerm(kCulpabilidade, Years(1), "premedita\xE7\xE3o"),
         {},
         {7, 0, 0, 35},
         StepLimit::None},
        {"shares past the range stop at the maximum",
         Homicide().UnfavourableBy(kCulpabilidade, {2, 1}).UnfavourableBy(kMotivos, {2, 1}),
         {},
         {20, 0, 0, 360},
         StepLimit::Maximum},
        {"each share truncated on its own: 1080/8 days, 350/8 dias-multa",
         CrimeBuilder(Years(1), Years(4)).Unfavourable(JudicialCircumstance::Antecedentes),
         {},
         {1, 4, 15, 53},
         StepLimit::None},
        {"a crime's own range of dias-multa (Lei 11.343)",
         CrimeBuilder(Years(5), Years(15)).FinesRange(500, 1500).Unfavourable(kCulpabilidade),
         {},
         {6, 3, 0, 625},
         StepLimit::None},
        {"without a fine",
         Homicide().WithoutFine().Unfavourable(kCulpabilidade),
         {},
         {7, 9, 0, 0},
         StepLimit::None},
        {"dias-multa typed stay as typed",
         Homicide().InformedFines(50).Unfavourable(kCulpabilidade).Unfavourable(kMotivos),
         Options(kOitavo, FinesMethod::Informada),
         {9, 6, 0, 50},
         StepLimit::None},
        {"a range of one term",
         CrimeBuilder(Years(2), Years(2)).Unfavourable(kCulpabilidade),
         {},
         {2, 0, 0, 53},
         StepLimit::None},
    };
    for (const BaseRow& row : rows) {
        SCOPED_TRACE(row.what);
        const SentencingAnswer answer = Computed(OneCrime(row.crime, row.options));
        const CrimeSentence& crime = answer.Crimes.front();
        EXPECT_EQ(crime.PenaBase, row.base);
        StepLimit limit = StepLimit::None;
        for (const SentencingStep& step : crime.Passos) {
            if (step.Fase == SentencingPhase::PenaBase && step.Tipo == StepKind::Limit) {
                limit = step.Limite;
            }
        }
        EXPECT_EQ(limit, row.limit);
    }
}

// Each unfavourable circumstance is one step that names it, with its share and what it adds.
TEST(PenaBase, EachCircumstanceIsAStepWithItsShare) {
    const CrimeInput crime = Homicide()
                                 .Unfavourable(kCulpabilidade)
                                 .UnfavourableBy(kMotivos, {1, 5}, "ci\xFAme")
                                 .UnfavourableByTerm(JudicialCircumstance::Consequencias, 100);
    const SentencingAnswer answer = Computed(OneCrime(crime));
    std::vector<const SentencingStep*> circumstances;
    for (const SentencingStep& step : answer.Crimes.front().Passos) {
        if (step.Tipo == StepKind::Circumstance) {
            circumstances.push_back(&step);
        }
    }
    ASSERT_EQ(circumstances.size(), 3U);
    EXPECT_EQ(circumstances[0]->Nome, "culpabilidade");
    EXPECT_EQ(circumstances[0]->Fracao, (Fraction{1, 8}));
    EXPECT_EQ(circumstances[0]->Parcela, (TermAmount{630, 43}));
    EXPECT_EQ(circumstances[1]->Nome, "motivos");
    EXPECT_EQ(circumstances[1]->Motivo, "ci\xFAme");
    EXPECT_EQ(circumstances[1]->Parcela, (TermAmount{1008, 70}));
    EXPECT_EQ(circumstances[2]->Base, ShareBase::TypedTerm);
    EXPECT_EQ(circumstances[2]->Parcela, (TermAmount{100, 6}));
    EXPECT_EQ(circumstances[2]->Depois, (TermAmount{2160 + 630 + 1008 + 100, 10 + 43 + 70 + 6}));
}

} // namespace
} // namespace zarn
