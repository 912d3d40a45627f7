#include "engine/CalcRecord.h"

#include "engine/NumberText.h"
#include "engine/Operation.h"
#include "engine/Texts.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace zarn {

namespace {

constexpr char kFractionBar = '/';

// Beyond this a real is not turned into a whole number (no calculation comes near it).
constexpr double kLargestWhole = 1e18;

// An input number of the record, whole by construction; anything unusable reads as 0.
long long WholeOf(double value) {
    return std::abs(value) < kLargestWhole ? static_cast<long long>(value) : 0;
}

TermParts StartTerm(const CalcState& state) {
    return {WholeOf(state.Years), WholeOf(state.Months), WholeOf(state.Days), WholeOf(state.Fines)};
}

// A result part as its right-aligned text holds it: " 5", "-0", "-10".
struct ResultPart {
    long long Value = 0;
    bool Negative = false;
};

ResultPart ReadResultPart(const std::string& text) {
    const std::string digits = RemoveBlanks(text);
    ResultPart part;
    part.Negative = !digits.empty() && digits.front() == '-';
    std::from_chars(digits.data(), digits.data() + digits.size(), part.Value);
    return part;
}

// Blanks at the ends dropped, runs of blanks inside made one: " -0 ano,  0 m\xEAs" becomes
// "-0 ano, 0 m\xEAs".
std::string CollapseBlanks(std::string_view text) {
    std::string collapsed;
    bool pendingBlank = false;
    for (const char c : text) {
        if (c == ' ') {
            pendingBlank = !collapsed.empty();
            continue;
        }
        if (pendingBlank) {
            collapsed += ' ';
            pendingBlank = false;
        }
        collapsed += c;
    }
    return collapsed;
}

// "007" is written "7", "00" is written "0".
std::string_view WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return digits.empty() ? digits : digits.substr(digits.size() - 1);
    }
    return digits.substr(first);
}

std::string Fraction(std::string_view numerator, std::string_view denominator) {
    std::string text(WithoutLeadingZeros(numerator));
    text += kFractionBar;
    text += WithoutLeadingZeros(denominator);
    return text;
}

// The operation as the sentence names it, read from the field as typed by the same parser
// as the calculation, so that a digit in the sign position is the numerator's first digit.
std::string OperationInWords(std::string_view operationField) {
    CalcState parsed;
    parsed.OperationText = std::string(operationField);
    ParseOperation(parsed);
    if (parsed.InvalidOperation) {
        // Not a text that gave a result; it is kept as typed.
        return CollapseBlanks(operationField);
    }
    if (parsed.Multiply) {
        if (IsWholeMultiplier(parsed.DenominatorText)) {
            return std::string(kMultiplyWords) +
                   std::string(WithoutLeadingZeros(parsed.NumeratorText));
        }
        return std::string(kMultiplyWords) + Fraction(parsed.NumeratorText, parsed.DenominatorText);
    }
    return std::string(parsed.Increase ? kIncreaseWords : kReductionWords) +
           Fraction(parsed.NumeratorText, parsed.DenominatorText);
}

std::string TermLine(const TermParts& term, bool inWords) {
    return std::string(kTermLinePrefix) + WriteTerm(term, inWords);
}

} // namespace

void CalcRecord::AppendStep(const CalcState& state, const CalcOutcome& outcome,
                            std::string_view operationFieldText) {
    m_lastStepIsLastCalcula = outcome.Ok;
    if (!outcome.Ok) {
        return;
    }
    const ResultPart years = ReadResultPart(state.OutYearsText);
    const ResultPart months = ReadResultPart(state.OutMonthsText);
    const ResultPart days = ReadResultPart(state.OutDaysText);
    // Without day-fines in the input the sentence names none, whatever the text holds.
    const ResultPart fines = state.Fines != 0 ? ReadResultPart(state.OutFinesText) : ResultPart{};
    Step step;
    step.Start = StartTerm(state);
    step.OperationField = std::string(operationFieldText);
    step.Result = {years.Value, months.Value, days.Value, fines.Value};
    if (years.Negative || months.Negative || days.Negative || fines.Negative) {
        step.BelowZeroResult = CollapseBlanks(outcome.OutcomeText);
    }
    m_steps.push_back(std::move(step));
}

void CalcRecord::RemoveLastStep() {
    if (!m_steps.empty()) {
        m_steps.pop_back();
    }
    m_lastStepIsLastCalcula = false;
}

void CalcRecord::ForgetLastCalcula() {
    if (m_lastStepIsLastCalcula) {
        RemoveLastStep();
    }
}

void CalcRecord::Clear() {
    m_steps.clear();
    m_lastStepIsLastCalcula = false;
}

std::size_t CalcRecord::StepCount() const {
    return m_steps.size();
}

std::vector<std::string> CalcRecord::Lines(bool inWords) const {
    std::vector<std::string> lines;
    const TermParts* previousResult = nullptr;
    for (const Step& step : m_steps) {
        if (previousResult == nullptr || step.Start != *previousResult) {
            lines.push_back(TermLine(step.Start, inWords));
        }
        const std::string result =
            step.BelowZeroResult.empty() ? WriteTerm(step.Result, inWords) : step.BelowZeroResult;
        lines.push_back(OperationInWords(step.OperationField) + std::string(kStepSeparator) +
                        result);
        previousResult = &step.Result;
    }
    return lines;
}

std::string CalcRecord::Text(bool inWords) const {
    const std::vector<std::string> lines = Lines(inWords);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    return text;
}

} // namespace zarn
