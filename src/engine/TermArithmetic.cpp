#include "engine/TermArithmetic.h"

#include "engine/CalcState.h"
#include "engine/Sentence.h"

namespace zarn {

namespace {

constexpr long long kDaysPerYear = 360;
constexpr long long kDaysPerMonth = 30;
constexpr long long kLargestFieldNumerator = 99;
constexpr long long kLargestFieldDenominator = 999;
constexpr std::size_t kNumeratorPlaces = 2;
constexpr std::size_t kDenominatorPlaces = 3;

bool WithinExactBound(long long amount, const FractionStep& step) {
    const long long largest = (kExactStepBound - 1) / (step.Numerator + step.Denominator);
    return amount >= -largest && amount <= largest;
}

// The record as the main window's fields would fill it with this term and operation, its
// term already split into years, months and days.
CalcState RecordFor(const TermAmount& term, const FractionStep& step) {
    const TermParts parts = SplitDays(term.Days);
    CalcState state;
    state.Years = static_cast<double>(parts.Years);
    state.Months = static_cast<double>(parts.Months);
    state.Days = static_cast<double>(parts.Days);
    state.Fines = static_cast<double>(term.Fines);
    state.Increase = step.Increase;
    state.Numerator = static_cast<double>(step.Numerator);
    state.Denominator = static_cast<double>(step.Denominator);
    return state;
}

std::string LeftAligned(long long value, std::size_t places) {
    std::string text = std::to_string(value);
    text.resize(places, ' ');
    return text;
}

} // namespace

bool IsExactStep(const TermAmount& term, const FractionStep& step) {
    return step.Denominator > 0 && step.Numerator >= 0 &&
           step.Numerator < kExactStepBound - step.Denominator &&
           WithinExactBound(term.Days, step) && WithinExactBound(term.Fines, step);
}

TermAmount ApplyStep(const TermAmount& term, const FractionStep& step) {
    CalcState state = RecordFor(term, step);
    ComputeTerm(state);
    ComputeFines(state);
    const ResultParts result = SplitResultDays(state.ResultDays);
    const auto whole = [](double part) { return static_cast<long long>(part); };
    return {whole(result.Years) * kDaysPerYear + whole(result.Months) * kDaysPerMonth +
                whole(result.Days),
            whole(state.ResultFines)};
}

TermAmount AddTerms(const TermAmount& first, const TermAmount& second) {
    return {first.Days + second.Days, first.Fines + second.Fines};
}

TermAmount SubtractTerms(const TermAmount& from, const TermAmount& taken) {
    return {from.Days - taken.Days, from.Fines - taken.Fines};
}

TermParts PartsOf(const TermAmount& term) {
    TermParts parts = SplitDays(term.Days);
    parts.Fines = term.Fines;
    return parts;
}

std::string OperationFieldText(const FractionStep& step) {
    if (step.Numerator < 1 || step.Numerator > kLargestFieldNumerator || step.Denominator < 1 ||
        step.Denominator > kLargestFieldDenominator) {
        return {};
    }
    return std::string{step.Increase ? '+' : '-', ' '} +
           LeftAligned(step.Numerator, kNumeratorPlaces) + "/" +
           LeftAligned(step.Denominator, kDenominatorPlaces);
}

} // namespace zarn
