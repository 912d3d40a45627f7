// The third phase (law.md 13): causes in cascade in the order of the options, the largest of
// the special part alone when asked (CP art. 68, par. unico), a term that leaves the range,
// and the calculator's ceiling of dias-multa.

#include "CrimeBuilder.h"
#include "SentencingCases.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace testing;

// Pena provisoria 1001 days and 100 dias-multa: the minimum of its range, nothing before the
// third phase.
CrimeBuilder ProvisionalOf1001Days() {
    return CrimeBuilder(1001, Years(10)).FinesRange(100, 360);
}

SentencingOptions DecreasesFirst() {
    SentencingOptions options;
    options.TerceiraFase = ThirdPhaseOrder::DiminuicoesPrimeiro;
    return options;
}

long long Up(long long amount, long long n, long long d) {
    return ExactStep(amount, n, d, true);
}
long long Down(long long amount, long long n, long long d) {
    return ExactStep(amount, n, d, false);
}

struct DefinitiveRow {
    std::string what;
    CrimeInput crime;
    SentencingOptions options;
    TermAmount definitive;
    std::vector<std::string> setAside;
};

TEST(PenaDefinitiva, CausesInCascade) {
    const DefinitiveRow rows[] = {
        {"none", ProvisionalOf1001Days(), {}, {1001, 100}, {}},
        {"tentativa 1/3",
         ProvisionalOf1001Days().Decrease("tentativa", {1, 3}),
         {},
         {Down(1001, 1, 3), Down(100, 1, 3)},
         {}},
        {"increases first: 1/3 up, then 1/2 down",
         ProvisionalOf1001Days().Decrease("tentativa", {1, 2}).Increase("repouso noturno", {1, 3}),
         {},
         {Down(Up(1001, 1, 3), 1, 2), Down(Up(100, 1, 3), 1, 2)},
         {}},
        {"decreases first by option",
         ProvisionalOf1001Days().Decrease("tentativa", {1, 2}).Increase("repouso noturno", {1, 3}),
         DecreasesFirst(),
         {Up(Down(1001, 1, 2), 1, 3), Up(Down(100, 1, 2), 1, 3)},
         {}},
        {"every special increase without the option",
         ProvisionalOf1001Days().Increase("arma", {1, 3}, true).Increase("concurso", {1, 2}, true),
         {},
         {Up(Up(1001, 1, 3), 1, 2), Up(Up(100, 1, 3), 1, 2)},
         {}},
        {"only the largest special increase; the general decrease stays",
         ProvisionalOf1001Days()
             .OnlyLargestSpecialCause()
             .Increase("arma", {1, 3}, true)
             .Increase("concurso", {1, 2}, true)
             .Decrease("tentativa", {1, 3}),
         {},
         {Down(Up(1001, 1, 2), 1, 3), Down(Up(100, 1, 2), 1, 3)},
         {"arma"}},
        {"only the largest special decrease; general increases stay",
         ProvisionalOf1001Days()
             .OnlyLargestSpecialCause()
             .Decrease("privil\xE9gio", {1, 6}, true)
             .Decrease("tr\xE1"
                       "fico privilegiado",
                       {2, 3}, true)
             .Increase("geral", {1, 6})
             .Increase("geral 2", {1, 6}),
         {},
         {Down(Up(Up(1001, 1, 6), 1, 6), 2, 3), Down(Up(Up(100, 1, 6), 1, 6), 2, 3)},
         {"privil\xE9gio"}},
        {"the first of two equal largest causes stays",
         ProvisionalOf1001Days()
             .OnlyLargestSpecialCause()
             .Increase("primeira", {1, 3}, true)
             .Increase("segunda", {2, 6}, true),
         {},
         {Up(1001, 1, 3), Up(100, 1, 3)},
         {"segunda"}},
        {"the term leaves the range",
         CrimeBuilder(Years(1), Years(2)).Increase("triplo", {2, 1}),
         {},
         {Years(3), 30},
         {}},
        {"the calculator's ceiling of dias-multa",
         CrimeBuilder(Years(5), Years(15)).FinesRange(60000, 66666).Increase("1/2", {1, 2}),
         {},
         {Years(7, 6), 66666},
         {}},
    };
    for (const DefinitiveRow& row : rows) {
        SCOPED_TRACE(row.what);
        const SentencingAnswer answer = Computed(OneCrime(row.crime, row.options));
        const CrimeSentence& crime = answer.Crimes.front();
        EXPECT_EQ(crime.PenaDefinitiva, PartsOf(row.definitive));
        std::vector<std::string> setAside;
        for (const SentencingStep& step : crime.Passos) {
            if (step.Tipo == StepKind::CauseSetAside) {
                setAside.push_back(step.Nome);
            }
        }
        EXPECT_EQ(setAside, row.setAside);
    }
}

TEST(PenaDefinitiva, TheCeilingOfDiasMultaIsAStep) {
    const CrimeInput crime =
        CrimeBuilder(Years(5), Years(15)).FinesRange(60000, 66666).Increase("metade", {1, 2});
    const SentencingAnswer answer = Computed(OneCrime(crime));
    const std::vector<SentencingStep>& steps = answer.Crimes.front().Passos;
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().Limite, StepLimit::FinesCeiling);
}

// The two orders give different terms on this one, so the option is seen to act.
TEST(PenaDefinitiva, TheOrdersDifferOnTheTableTerm) {
    EXPECT_NE(Down(Up(1001, 1, 3), 1, 2), Up(Down(1001, 1, 2), 1, 3));
}

} // namespace
} // namespace zarn
