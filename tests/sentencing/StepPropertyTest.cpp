// Every step of the dosimetria that is an increase or decrease by a fraction gives, to the day,
// what the main window's Calcula gives for the same term and operation: over a sweep of
// ranges, circumstances, agravantes, atenuantes, causes, options and concursos.

#include "CrimeBuilder.h"
#include "SentencingCases.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "engine/TermArithmetic.h"
#include "support/Sweep.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using namespace testing;

long long FieldNumber(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c != ' ') {
            digits += c;
        }
    }
    return digits.empty() ? 0 : std::stoll(digits);
}

// Calcula on the step's starting term typed into the fields. Day-fines the field refuses
// (1 to 9) are left out; the step's own are then checked against exact arithmetic.
void ExpectCalculaAgrees(const SentencingStep& step) {
    const FractionStep& operation = *step.Operacao;
    const std::string field = OperationFieldText(operation);
    ASSERT_FALSE(field.empty());
    const TermParts start = PartsOf(step.Antes);
    const bool typedFines = step.Antes.Fines == 0 || step.Antes.Fines >= 10;
    CalcState state;
    const CalcOutcome outcome = RunCalculation(
        state, std::to_string(start.Years), std::to_string(start.Months),
        std::to_string(start.Days), typedFines ? std::to_string(start.Fines) : "", field);
    ASSERT_TRUE(outcome.Ok) << outcome.OutcomeText;
    const long long days = FieldNumber(state.OutYearsText) * kYear +
                           FieldNumber(state.OutMonthsText) * kMonth +
                           FieldNumber(state.OutDaysText);
    EXPECT_EQ(step.Depois.Days, days) << field << " on " << step.Antes.Days;
    const long long fines = typedFines ? FieldNumber(state.OutFinesText)
                                       : ExactStep(step.Antes.Fines, operation.Numerator,
                                                   operation.Denominator, operation.Increase);
    EXPECT_EQ(step.Depois.Fines, fines) << field << " on " << step.Antes.Fines << " dias-multa";
}

std::vector<SentencingStep> OperationsOf(const SentencingAnswer& answer) {
    std::vector<SentencingStep> operations;
    for (const CrimeSentence& crime : answer.Crimes) {
        for (const SentencingStep& step : crime.Passos) {
            if (step.Operacao) {
                operations.push_back(step);
            }
        }
    }
    if (answer.Concurso) {
        for (const SentencingStep& step : answer.Concurso->Passos) {
            if (step.Operacao) {
                operations.push_back(step);
            }
        }
    }
    return operations;
}

CrimeInput SweptCrime(int minimumYears, int unfavourable, Fraction agravante, Fraction cause,
                      int variant) {
    CrimeBuilder crime(Years(minimumYears) + variant * 7, Years(minimumYears * 3 + 2));
    crime.FinesRange(10 + variant, 360);
    for (int i = 0; i < unfavourable; ++i) {
        crime.Unfavourable(static_cast<JudicialCircumstance>(i));
    }
    crime.Agravante("motivo_futil", agravante).Atenuante("multidao", {1, 7 + variant});
    if (variant % 2 == 0) {
        crime.Agravante("reincidencia").Atenuante("confissao");
    }
    crime.Increase("aumento", cause).Decrease("tentativa", {variant % 2 + 1, 3});
    return crime;
}

TEST(StepProperty, EveryOperationEqualsCalcula) {
    const Fraction fractions[] = {{1, 6}, {1, 5}, {1, 4}, {1, 3}, {1, 2}, {2, 3}, {3, 8}};
    long long caseNumber = 0;
    std::size_t checked = 0;
    for (const auto method : {SecondPhaseMethod::SobreBase, SecondPhaseMethod::Cascata}) {
        for (const auto order :
             {ThirdPhaseOrder::AumentosPrimeiro, ThirdPhaseOrder::DiminuicoesPrimeiro}) {
            for (int minimumYears = 1; minimumYears <= 12; minimumYears += 3) {
                for (int unfavourable = 0; unfavourable <= 8; unfavourable += 2) {
                    for (const Fraction agravante : fractions) {
                        for (const Fraction cause : fractions) {
                            if (!InSweep(caseNumber++)) {
                                continue;
                            }
                            SentencingOptions options = WithSecondPhase(method);
                            options.TerceiraFase = order;
                            const int variant = static_cast<int>(caseNumber % 4);
                            const std::vector<CrimeInput> crimes = {
                                SweptCrime(minimumYears, unfavourable, agravante, cause, variant),
                                SweptCrime(minimumYears + 1, 8 - unfavourable, cause, agravante,
                                           3 - variant)};
                            const SentencingAnswer answer =
                                Computed(SeveralCrimes(crimes, ConcursoKind::Continuado, options));
                            for (const SentencingStep& step : OperationsOf(answer)) {
                                ExpectCalculaAgrees(step);
                                ++checked;
                            }
                            if (HasFailure()) {
                                return;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 0U);
}

} // namespace
} // namespace zarn
