// The analyses' term arithmetic against the main window's own calculation and against exact
// integer arithmetic: a step by N/D on a term must give what RunCalculation gives for the same
// term typed into the fields and the same operation typed into its field, and
// floor(T x (D +- N) / D) days, floor(F x (D +- N) / D) day-fines (at most 66666).

#include "engine/TermArithmetic.h"

#include "engine/CalcFlow.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "support/Sweep.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using Int = std::int64_t;

constexpr Int kFinesCeiling = 66666;

std::vector<FractionStep> UsualSteps() {
    std::vector<FractionStep> steps;
    for (Int d = 1; d <= 12; ++d) {
        for (Int n = 1; n <= 12; ++n) {
            steps.push_back({true, n, d});
            if (n <= d) {
                steps.push_back({false, n, d});
            }
        }
    }
    // Fractions the dosimetria meets that the usual twelfths do not cover.
    steps.push_back({true, 2, 1});
    steps.push_back({false, 99, 100});
    steps.push_back({true, 1, 999});
    return steps;
}

Int ExactDays(Int days, const FractionStep& step) {
    const Int factor =
        step.Increase ? step.Denominator + step.Numerator : step.Denominator - step.Numerator;
    return days * factor / step.Denominator;
}

Int ExactFines(Int fines, const FractionStep& step) {
    const Int result = ExactDays(fines, step);
    return result > kFinesCeiling ? kFinesCeiling : result;
}

// The number the field shows, blanks dropped; a blank field reads 0.
Int FieldNumber(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c != ' ') {
            digits += c;
        }
    }
    return digits.empty() ? 0 : std::stoll(digits);
}

// The term and day-fines Calcula gives for the term typed into the four fields.
TermAmount Calcula(const TermAmount& term, const FractionStep& step) {
    const TermParts parts = PartsOf(term);
    CalcState state;
    const CalcOutcome outcome =
        RunCalculation(state, std::to_string(parts.Years), std::to_string(parts.Months),
                       std::to_string(parts.Days),
                       term.Fines == 0 ? "" : std::to_string(term.Fines), OperationFieldText(step));
    EXPECT_TRUE(outcome.Ok) << outcome.OutcomeText;
    return {FieldNumber(state.OutYearsText) * 360 + FieldNumber(state.OutMonthsText) * 30 +
                FieldNumber(state.OutDaysText),
            FieldNumber(state.OutFinesText)};
}

TEST(TermArithmetic, StepEqualsCalculaAndExactArithmeticOverASweep) {
    const std::vector<Int> fines = {0, 10, 43, 96, 359, 1500, 60000, 66666};
    int mismatches = 0;
    long long caseNumber = 0;
    for (const FractionStep& step : UsualSteps()) {
        for (Int days = 0; days <= 40 * 360; days += 11) {
            if (!testing::InSweep(caseNumber++)) {
                continue;
            }
            const TermAmount term{days, fines[static_cast<std::size_t>(days) % fines.size()]};
            const TermAmount stepped = ApplyStep(term, step);
            const TermAmount exact{ExactDays(term.Days, step), ExactFines(term.Fines, step)};
            if ((stepped != Calcula(term, step) || stepped != exact) && ++mismatches <= 5) {
                ADD_FAILURE() << OperationFieldText(step) << " on " << days << " days and "
                              << term.Fines << " fines: " << stepped.Days << " days, "
                              << stepped.Fines << " fines; exact " << exact.Days << ", "
                              << exact.Fines;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// The largest term on which the step is exact: |T| x (N + D) below kExactStepBound.
Int LargestExactDays(const FractionStep& step) {
    return (kExactStepBound - 1) / (step.Numerator + step.Denominator);
}

// The analyses' intermediate terms pass the main window's limits (999 years in the field,
// 11 months, 29 days): the step still follows exact arithmetic, up to the largest term on which
// it is exact.
TEST(TermArithmetic, TermsBeyondTheFieldsFollowExactArithmetic) {
    for (const FractionStep& step : UsualSteps()) {
        const Int largest = LargestExactDays(step);
        const std::vector<Int> terms = {
            1000 * 360, 999 * 360 + 11 * 30 + 29, 123456789, 360'000'000'000, largest - 1, largest};
        for (const Int days : terms) {
            ASSERT_TRUE(IsExactStep({days, 0}, step)) << days;
            EXPECT_EQ(ApplyStep({days, 0}, step).Days, ExactDays(days, step))
                << OperationFieldText(step) << " on " << days << " days";
        }
        EXPECT_FALSE(IsExactStep({largest + 1, 0}, step));
        EXPECT_FALSE(IsExactStep({-largest - 1, 0}, step));
        EXPECT_FALSE(IsExactStep({10, largest + 1}, step));
    }
}

TEST(TermArithmetic, AStepWithoutAPositiveDenominatorIsNeverExact) {
    EXPECT_FALSE(IsExactStep({10, 10}, {true, 1, 0}));
    EXPECT_FALSE(IsExactStep({10, 10}, {false, -1, 6}));
    EXPECT_FALSE(IsExactStep({10, 10}, {true, kExactStepBound, 1}));
}

TEST(TermArithmetic, OperationFieldHoldsWhatTheMaskHolds) {
    const struct {
        FractionStep step;
        std::string field;
    } rows[] = {
        {{true, 1, 6}, "+ 1 /6  "}, {{false, 2, 3}, "- 2 /3  "}, {{true, 99, 999}, "+ 99/999"},
        {{true, 100, 3}, ""},       {{false, 1, 1000}, ""},      {{true, 0, 6}, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OperationFieldText(row.step), row.field);
    }
}

// The first example of the dosimetria typed into the main window as a chain: 9 years and 6
// months with 96 day-fines, "+ 1/6", Continua, "- 1/3".
TEST(TermArithmetic, ChainThroughContinuaAgreesWithTwoSteps) {
    CalcState state;
    ASSERT_TRUE(RunCalculation(state, "9  ", " 6", "  ", "96   ", "+ 1 /6  ").Ok);
    const TermFieldTexts carried = CarryResultsForward(state);
    const CalcOutcome second =
        RunCalculation(state, carried[0], carried[1], carried[2], carried[3], "- 1 /3  ");
    ASSERT_TRUE(second.Ok);
    EXPECT_EQ(second.OutcomeText, " 7 anos,  4 meses e 20 dias, e  74 dias-multa");

    const TermAmount provisoria = ApplyStep({9 * 360 + 6 * 30, 96}, {true, 1, 6});
    EXPECT_EQ(provisoria, (TermAmount{11 * 360 + 30, 112}));
    const TermAmount definitiva = ApplyStep(provisoria, {false, 1, 3});
    EXPECT_EQ(PartsOf(definitiva), (TermParts{7, 4, 20, 74}));
}

} // namespace
} // namespace zarn
