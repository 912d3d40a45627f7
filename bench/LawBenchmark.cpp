// The legal analyses: one whole consequences answer (table look-ups and integer arithmetic,
// a few microseconds at most) and one whole execution-dates answer (the same, and the
// calendar shifts of every date), each with and without its text.

#include "law/ConsequencesText.h"
#include "law/ExecutionDates.h"
#include "law/ExecutionText.h"

#include <benchmark/benchmark.h>
#include <string>

namespace zarn {
namespace {

constexpr long long kFiveYears = 1800;
constexpr long long kNineYears = 3240;
constexpr DayNumber kTenthOfJanuary2021 = 44206;

CaseFacts RepeatOffenderUnder21() {
    CaseFacts facts;
    facts.RepeatOffender = true;
    facts.Under21AtCrime = true;
    facts.DetracaoDays = 30;
    return facts;
}

void AnalyseConsequencesOf(benchmark::State& state, bool withText) {
    const CaseFacts facts = RepeatOffenderUnder21();
    for (auto _ : state) {
        ConsequencesOutcome outcome = AnalyseConsequences(kFiveYears, facts);
        benchmark::DoNotOptimize(outcome);
        if (withText) {
            std::string text = WriteConsequences(outcome.Answers, facts);
            benchmark::DoNotOptimize(text);
        }
    }
}

void ComputeExecutionDatesOf(benchmark::State& state, CountingConvention convention,
                             bool withText) {
    ExecutionRequest request;
    request.TermDays = kNineYears;
    request.Start = kTenthOfJanuary2021;
    request.Facts.DetracaoDays = 30;
    request.RemicaoDays = 15;
    request.Convention = convention;
    for (auto _ : state) {
        ExecutionOutcome outcome = ComputeExecutionDates(request);
        benchmark::DoNotOptimize(outcome);
        if (withText) {
            std::string text = WriteExecution(outcome.Dates);
            benchmark::DoNotOptimize(text);
        }
    }
}

BENCHMARK_CAPTURE(AnalyseConsequencesOf, Answers, false);
BENCHMARK_CAPTURE(AnalyseConsequencesOf, AnswersAndText, true);
BENCHMARK_CAPTURE(ComputeExecutionDatesOf, FechadoBase360, CountingConvention::Base360, false);
BENCHMARK_CAPTURE(ComputeExecutionDatesOf, FechadoCalendarDays, CountingConvention::CalendarDays,
                  false);
BENCHMARK_CAPTURE(ComputeExecutionDatesOf, FechadoBase360AndText, CountingConvention::Base360,
                  true);

} // namespace
} // namespace zarn
