// The dosimetria of a document of ten crimes, each through its three phases with circumstances,
// agravantes, atenuantes and causes, joined in a crime continuado, and written as text.

#include "sentencing/Sentencing.h"
#include "sentencing/SentencingText.h"

#include <benchmark/benchmark.h>
#include <string>

namespace zarn {
namespace {

constexpr long long kYear = 360;
constexpr int kCrimes = 10;

CrimeInput Robbery(int index) {
    CrimeInput crime;
    crime.Crime = "roubo " + std::to_string(index + 1);
    crime.MinimoDias = 4 * kYear;
    crime.MaximoDias = 10 * kYear;
    crime.Circunstancias[0].Peso = CircumstanceWeight::Desfavoravel;
    crime.Circunstancias[4].Peso = CircumstanceWeight::Fracao;
    crime.Circunstancias[4].Fracao = {1, 6};
    crime.Circunstancias[4].Motivo = "motivo torpe";
    crime.Agravantes = {{"reincidencia", {1, 6}}, {"motivo_futil", {1, 6}}};
    crime.Atenuantes = {{"confissao", {1, 6}}, {"reparacao_dano", {1, 5}}};
    crime.Causas = {{"emprego de arma", CauseKind::Aumento, {1, 3}, true},
                    {"concurso de pessoas", CauseKind::Aumento, {1, 2}, true},
                    {"tentativa", CauseKind::Diminuicao, {1, 3}, false}};
    crime.SomenteMaior = index % 2 == 0;
    return crime;
}

SentencingInput TenCrimes() {
    SentencingInput input;
    for (int i = 0; i < kCrimes; ++i) {
        input.Crimes.push_back(Robbery(i));
    }
    input.Concurso = ConcursoInput{ConcursoKind::Continuado, std::nullopt};
    return input;
}

void SentenceTenCrimes(benchmark::State& state) {
    const SentencingInput input = TenCrimes();
    for (auto _ : state) {
        SentencingAnswer answer = ComputeSentencing(input);
        std::string text = WriteSentencing(input, answer, false);
        benchmark::DoNotOptimize(answer);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(SentenceTenCrimes);

} // namespace
} // namespace zarn
