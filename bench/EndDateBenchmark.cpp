// The sentence end date: the field texts in, the end date (or "Erro!") out.

#include "dates/DateSettings.h"
#include "dates/EndDate.h"

#include <benchmark/benchmark.h>
#include <string>

namespace zarn {
namespace {

void ComputeEndDateOn(benchmark::State& benchmarkState, const char* years, const char* months,
                      const char* days, const char* start) {
    UseCalendarDateSettings();
    const std::string texts[] = {years, months, days, start};
    for (auto _ : benchmarkState) {
        EndDateOutcome outcome = ComputeEndDate(texts[0], texts[1], texts[2], texts[3]);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK_CAPTURE(ComputeEndDateOn, YearsMonthsDays, "12", "6", "15", "05/08/2010");
BENCHMARK_CAPTURE(ComputeEndDateOn, OneDay, "0", "0", "1", "31/12/2008");
BENCHMARK_CAPTURE(ComputeEndDateOn, NoTerm, "", "", "", "01/01/2008");
BENCHMARK_CAPTURE(ComputeEndDateOn, InvalidStart, "1", "0", "0", "31/04/2008");

} // namespace
} // namespace zarn
