// One calculation, from the five field texts to the result sentence or the input error,
// on a few typical inputs. It runs on every press of Calcula and must stay well under a
// microsecond.

#include "engine/CalcState.h"
#include "engine/Calculation.h"

#include <benchmark/benchmark.h>
#include <string>

namespace zarn {
namespace {

void RunCalculationOn(benchmark::State& benchmarkState, const char* years, const char* months,
                      const char* days, const char* fines, const char* operation) {
    const std::string texts[] = {years, months, days, fines, operation};
    CalcState state;
    for (auto _ : benchmarkState) {
        CalcOutcome outcome =
            RunCalculation(state, texts[0], texts[1], texts[2], texts[3], texts[4]);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK_CAPTURE(RunCalculationOn, IncreaseBySixthWithFines, "5  ", "  ", "  ", "10   ",
                  "+ 1 /6  ");
BENCHMARK_CAPTURE(RunCalculationOn, ReduceByThirdFullTerm, "12 ", "8 ", "15", "150  ", "- 1 /3  ");
BENCHMARK_CAPTURE(RunCalculationOn, MultiplyByThree, "2  ", "  ", "  ", "     ", "x 3 /   ");
BENCHMARK_CAPTURE(RunCalculationOn, FinesAlone, "   ", "  ", "  ", "66666", "+ 1 /2  ");
BENCHMARK_CAPTURE(RunCalculationOn, MonthsTooLarge, "   ", "12", "45", "5    ", "a 1 /6  ");
BENCHMARK_CAPTURE(RunCalculationOn, InvalidOperation, "1  ", "2 ", "3 ", "     ", "    /   ");

} // namespace
} // namespace zarn
