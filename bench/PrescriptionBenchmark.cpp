// Prescription by dates: one whole answer for a case of five crimes sharing their marcos
// (complaint, sentence, acordao, both final judgments, serving, an escape) and a suspension,
// every kind with its intervals, each a few calendar shifts and measures.

#include "prescription/Prescription.h"

#include <benchmark/benchmark.h>

namespace zarn {
namespace {

constexpr long long kYear = 360;
constexpr long long kMonth = 30;

DayNumber Day(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return DateFromCivil(year, month, day);
}

PrescriptionCrime CrimeOf(DayNumber fact, long long maximum, long long applied, bool repeat) {
    PrescriptionCrime crime;
    crime.Description = "crime";
    crime.DateOfFact = fact;
    crime.MaximumDays = maximum;
    crime.AppliedDays = applied;
    crime.RepeatOffender = repeat;
    return crime;
}

PrescriptionInput FiveCrimes() {
    PrescriptionInput input;
    input.Birth = Day(1995, 4, 20);
    input.CalculationDate = Day(2026, 12, 8);
    input.Crimes = {
        CrimeOf(Day(2015, 3, 10), 4 * kYear, 2 * kYear + 6 * kMonth, false),
        CrimeOf(Day(2015, 5, 2), 8 * kYear, 5 * kYear + 4 * kMonth, true),
        CrimeOf(Day(2015, 6, 30), 2 * kYear, 10 * kMonth, false),
        CrimeOf(Day(2015, 8, 15), 15 * kYear, 9 * kYear, true),
        CrimeOf(Day(2016, 1, 5), 6 * kMonth, 3 * kMonth, false),
    };
    input.Marcos = {
        {MarcoKind::RecebimentoDenuncia, Day(2016, 4, 1)},
        {MarcoKind::Sentenca, Day(2018, 9, 12)},
        {MarcoKind::Acordao, Day(2019, 11, 20)},
        {MarcoKind::TransitoAcusacao, Day(2019, 12, 10)},
        {MarcoKind::TransitoAmbas, Day(2020, 3, 2)},
        {MarcoKind::InicioCumprimento, Day(2020, 5, 4)},
        {MarcoKind::Fuga, Day(2021, 8, 30)},
    };
    input.Suspensions = {{SuspensionKind::Cpp366, Day(2016, 6, 1), Day(2017, 2, 1)}};
    return input;
}

void AnalysePrescriptionOfFiveCrimes(benchmark::State& state) {
    const PrescriptionInput input = FiveCrimes();
    for (auto _ : state) {
        PrescriptionOutcome outcome = AnalysePrescription(input);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK(AnalysePrescriptionOfFiveCrimes);

} // namespace
} // namespace zarn
