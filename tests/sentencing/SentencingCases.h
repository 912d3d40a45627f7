#pragma once

// What the dosimetria's tests share: inputs of one crime or several, the answer computed with
// its refusal reported, and the exact step of the calculator in integers, floor(T x (D +- N) /
// D), as an oracle independent of the engine's reals.

#include "sentencing/Sentencing.h"
#include "sentencing/SentencingInput.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarn::testing {

inline SentencingInput OneCrime(const CrimeInput& crime, const SentencingOptions& options = {}) {
    SentencingInput input;
    input.Crimes.push_back(crime);
    input.Opcoes = options;
    return input;
}

inline SentencingInput SeveralCrimes(std::vector<CrimeInput> crimes, ConcursoKind kind,
                                     const SentencingOptions& options = {}) {
    SentencingInput input;
    input.Crimes = std::move(crimes);
    input.Concurso = ConcursoInput{kind, std::nullopt};
    input.Opcoes = options;
    return input;
}

inline SentencingAnswer Computed(const SentencingInput& input) {
    SentencingAnswer answer = ComputeSentencing(input);
    EXPECT_TRUE(answer.Ok()) << answer.Erro;
    if (answer.Crimes.empty()) {
        answer.Crimes.resize(input.Crimes.size());
    }
    return answer;
}

inline long long ExactStep(long long amount, long long numerator, long long denominator,
                           bool increase) {
    const long long factor = increase ? denominator + numerator : denominator - numerator;
    return amount * factor / denominator;
}

inline SentencingOptions WithSecondPhase(SecondPhaseMethod method) {
    SentencingOptions options;
    options.SegundaFase = method;
    return options;
}

} // namespace zarn::testing
