// The concurso de crimes (law.md 14): the sums, the scales of the formal and of the continuado,
// the user's fraction of the continuado especifico, the sum as ceiling, and the dias-multa
// summed or made one.

#include "CrimeBuilder.h"
#include "SentencingCases.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace testing;

std::vector<CrimeInput> CrimesOf(const std::vector<TermAmount>& terms) {
    std::vector<CrimeInput> crimes;
    for (const TermAmount& term : terms) {
        crimes.push_back(term.Fines == 0
                             ? CrimeInput(CrimeBuilder(term.Days, term.Days).WithoutFine())
                             : FixedCrime(term.Days, term.Fines));
    }
    return crimes;
}

// n crimes of one year and 10 dias-multa each.
std::vector<TermAmount> EqualYears(std::size_t n) {
    return std::vector<TermAmount>(n, TermAmount{Years(1), 10});
}

struct ConcursoRow {
    std::string what;
    std::vector<TermAmount> terms;
    ConcursoKind kind;
    std::optional<Fraction> share; // the user's, for the continuado especifico
    ContinuedFines fines;
    TermAmount expected;
    std::optional<Fraction> applied;
};

TEST(Concurso, SumsScalesAndCeilings) {
    constexpr auto kMaterial = ConcursoKind::Material;
    constexpr auto kFormal = ConcursoKind::Formal;
    constexpr auto kContinuado = ConcursoKind::Continuado;
    constexpr auto kEspecifico = ConcursoKind::ContinuadoEspecifico;
    constexpr auto kUnica = ContinuedFines::Unica;
    constexpr auto kSomada = ContinuedFines::Somada;
    const ConcursoRow rows[] = {
        {"material",
         {{Years(3, 10, 17), 10}, {Years(5, 7, 23), 20}},
         kMaterial,
         {},
         kUnica,
         {Years(9, 6, 10), 30},
         {}},
        {"formal improprio sums",
         {{Years(4), 10}, {Years(2), 10}},
         ConcursoKind::FormalImproprio,
         {},
         kUnica,
         {Years(6), 20},
         {}},
        {"formal of 2: 1/6, fines summed",
         {{Years(4), 12}, {Years(2), 10}},
         kFormal,
         {},
         kUnica,
         {Years(4, 8), 22},
         Fraction{1, 6}},
        {"formal of 3: 1/5", EqualYears(3), kFormal, {}, kUnica, {432, 30}, Fraction{1, 5}},
        {"formal of 4: 1/4", EqualYears(4), kFormal, {}, kUnica, {450, 40}, Fraction{1, 4}},
        {"formal of 5: 1/3", EqualYears(5), kFormal, {}, kUnica, {480, 50}, Fraction{1, 3}},
        {"formal of 6: 1/2", EqualYears(6), kFormal, {}, kUnica, {540, 60}, Fraction{1, 2}},
        {"formal of 7 stays at 1/2", EqualYears(7), kFormal, {}, kUnica, {540, 70}, Fraction{1, 2}},
        {"formal never above the sum",
         {{Years(10), 10}, {1, 10}},
         kFormal,
         {},
         kUnica,
         {Years(10) + 1, 20},
         Fraction{1, 6}},
        {"continuado of 2: 1/6, one fine",
         EqualYears(2),
         kContinuado,
         {},
         kUnica,
         {420, 11},
         Fraction{1, 6}},
        {"continuado of 6: 1/2", EqualYears(6), kContinuado, {}, kUnica, {540, 15}, Fraction{1, 2}},
        {"continuado of 7: 2/3", EqualYears(7), kContinuado, {}, kUnica, {600, 16}, Fraction{2, 3}},
        {"continuado, fines summed by option",
         EqualYears(3),
         kContinuado,
         {},
         kSomada,
         {432, 30},
         Fraction{1, 5}},
        {"one fine: the most serious crime has none, the largest other is taken",
         {{Years(3), 0}, {Years(2), 20}},
         kContinuado,
         {},
         kUnica,
         {Years(3, 6), 20},
         Fraction{1, 6}},
        {"especifico at the user's fraction",
         EqualYears(3),
         kEspecifico,
         Fraction{1, 2},
         kUnica,
         {540, 15},
         Fraction{1, 2}},
        {"especifico up to the triple, never above the sum",
         {{Years(5), 10}, {Years(1), 10}},
         kEspecifico,
         Fraction{2, 1},
         kUnica,
         {Years(6), 20},
         Fraction{2, 1}},
    };
    for (const ConcursoRow& row : rows) {
        SCOPED_TRACE(row.what);
        SentencingOptions options;
        options.MultaContinuado = row.fines;
        SentencingInput input = SeveralCrimes(CrimesOf(row.terms), row.kind, options);
        input.Concurso->Fracao = row.share;
        const SentencingAnswer answer = Computed(input);
        ASSERT_TRUE(answer.Concurso.has_value());
        EXPECT_EQ(answer.Concurso->Tipo, row.kind);
        EXPECT_EQ(answer.Concurso->Pena, PartsOf(row.expected));
        EXPECT_EQ(answer.Concurso->Fracao, row.applied);
        EXPECT_EQ(answer.PenaFinal, PartsOf(row.expected));
    }
}

TEST(Concurso, TheSumHoldingTheTermIsAStep) {
    SentencingInput input =
        SeveralCrimes(CrimesOf({{Years(10), 10}, {1, 10}}), ConcursoKind::Formal);
    const SentencingAnswer answer = Computed(input);
    ASSERT_TRUE(answer.Concurso.has_value());
    bool held = false;
    for (const SentencingStep& step : answer.Concurso->Passos) {
        held = held || (step.Tipo == StepKind::Limit && step.Limite == StepLimit::SumOfTerms &&
                        step.Antes.Days == Years(11, 8) && step.Depois.Days == Years(10) + 1);
    }
    EXPECT_TRUE(held);
}

} // namespace
} // namespace zarn
