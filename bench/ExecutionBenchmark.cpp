// The execution of several convictions: a case of 10 convictions, three periods with gaps and
// 200 events (grants of remicao, faltas, an escape, night confinement), answered whole with
// its alternatives, with and without its text. It must answer in well under a millisecond.

#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"

#include <benchmark/benchmark.h>
#include <string>

namespace zarn {
namespace {

constexpr long long kYear = 360;
constexpr DayNumber kTenthOfJanuary2019 = 43475;
constexpr DayNumber kThirtiethOfJune2020 = 44012;
constexpr DayNumber kFirstOfSeptember2020 = 44075;
constexpr DayNumber kThirtyFirstOfMarch2022 = 44651;
constexpr DayNumber kFirstOfJune2022 = 44713;
constexpr DayNumber kFirstOfJanuary2024 = 45292;
constexpr int kConvictions = 10;
constexpr int kGrants = 190;
constexpr int kFaltas = 7;

ExecutionEvent EventOn(EventKind kind, DayNumber date) {
    ExecutionEvent event;
    event.Kind = kind;
    event.Date = date;
    return event;
}

ExecutionCase TenConvictionsTwoHundredEvents() {
    ExecutionCase question;
    const Natureza natures[] = {Natureza::Comum, Natureza::Hediondo, Natureza::TraficoPrivilegiado,
                                Natureza::Comum, Natureza::AssociacaoTrafico};
    for (int i = 0; i < kConvictions; ++i) {
        Conviction conviction;
        conviction.Processo = "000" + std::to_string(i);
        conviction.TermDays = (i % 4 + 1) * kYear + 30 * i;
        conviction.Facts.Nature = natures[i % 5];
        conviction.Facts.Violence = i % 3 == 0;
        conviction.Facts.CrimeDate = kTenthOfJanuary2019 - 400 + 60 * i;
        conviction.TransitoEmJulgado = kTenthOfJanuary2019 + 90 * (kConvictions - i);
        question.Convictions.push_back(conviction);
    }
    question.Periods = {{kTenthOfJanuary2019, kThirtiethOfJune2020, "flagrante"},
                        {kFirstOfSeptember2020, kThirtyFirstOfMarch2022, "preventiva"},
                        {kFirstOfJune2022, std::nullopt, "recaptura"}};
    for (int i = 0; i < kGrants; ++i) {
        ExecutionEvent grant = EventOn(EventKind::Remicao, kTenthOfJanuary2019 + 20 + 9 * i);
        grant.WorkDays = 10 + i % 7;
        question.Events.push_back(grant);
    }
    for (int i = 0; i < kFaltas; ++i) {
        question.Events.push_back(
            EventOn(EventKind::FaltaGrave, kTenthOfJanuary2019 + 200 * i + 7));
    }
    question.Events.push_back(EventOn(EventKind::Fuga, kThirtyFirstOfMarch2022));
    for (const DayNumber date : {kTenthOfJanuary2019 - 30, kFirstOfJune2022 + 5}) {
        ExecutionEvent night = EventOn(EventKind::RecolhimentoNoturno, date);
        night.Hours = 500;
        question.Events.push_back(night);
    }
    question.CalculationDate = kFirstOfJanuary2024;
    return question;
}

void ComputeCaseExecutionOf(benchmark::State& state, CountingConvention convention, bool withText) {
    ExecutionCase question = TenConvictionsTwoHundredEvents();
    question.Convention = convention;
    if (!ComputeCaseExecution(question).Ok()) {
        state.SkipWithError(ComputeCaseExecution(question).Error.c_str());
        return;
    }
    for (auto _ : state) {
        CaseExecutionResult result = ComputeCaseExecution(question);
        benchmark::DoNotOptimize(result);
        if (withText) {
            std::string text = WriteCaseExecution(result.Answer, question);
            benchmark::DoNotOptimize(text);
        }
    }
}

BENCHMARK_CAPTURE(ComputeCaseExecutionOf, TenConvictionsTwoHundredEventsBase,
                  CountingConvention::Base360, false);
BENCHMARK_CAPTURE(ComputeCaseExecutionOf, TenConvictionsTwoHundredEventsCalendarDays,
                  CountingConvention::CalendarDays, false);
BENCHMARK_CAPTURE(ComputeCaseExecutionOf, TenConvictionsTwoHundredEventsWithText,
                  CountingConvention::Base360, true);

} // namespace
} // namespace zarn
