#include "engine/AppliedFraction.h"

#include "engine/CalcFlow.h"
#include "engine/Calculation.h"
#include "engine/NumberText.h"
#include "engine/Texts.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

namespace zarn {

namespace {

constexpr int kLargestDenominator = 12;
// Increases go up to twice the whole (up to triple the term).
constexpr int kLargestIncreaseFactor = 2;

constexpr std::int64_t kDaysPerYear = 360;
constexpr std::int64_t kDaysPerMonth = 30;
// A variation is written in hundredths of a percent.
constexpr std::int64_t kHundredthsOfPercent = 10000;

// Widths of the operation field's numerator and denominator places.
constexpr std::size_t kNumeratorPlaces = 2;
constexpr std::size_t kDenominatorPlaces = 3;

const std::string kBlankFines = "     ";
// Times one: a run that leaves the term as it is, so that reading a term is a run of the
// calculator with its own field rules and messages.
const std::string kUnchangedOperation = "x 1 /   ";

// A result part can be wider than an input field (years up to about 3 * 10^9); fifteen
// digits still convert exactly into a 64-bit real.
constexpr std::size_t kMaxResultPartDigits = 15;

// One usual operation: "+ N/D" or "- N/D".
struct Candidate {
    bool Increase;
    int Numerator;
    int Denominator;
};

// Every usual operation, in the order of the answer.
std::vector<Candidate> UsualOperations() {
    std::vector<Candidate> candidates;
    for (int denominator = 1; denominator <= kLargestDenominator; ++denominator) {
        for (int numerator = 1; numerator <= kLargestIncreaseFactor * denominator; ++numerator) {
            if (std::gcd(numerator, denominator) != 1) {
                continue;
            }
            candidates.push_back({true, numerator, denominator});
            if (numerator < denominator) {
                candidates.push_back({false, numerator, denominator});
            }
        }
    }
    return candidates;
}

char SignOf(const Candidate& candidate) {
    return candidate.Increase ? '+' : '-';
}

// A text left-aligned in a number of places, as the operation field's mask lays it out.
std::string LeftAligned(int value, std::size_t places) {
    std::string text = std::to_string(value);
    text.resize(places, ' ');
    return text;
}

// The operation field text of the candidate: "+ 1 /6  ".
std::string OperationFieldText(const Candidate& candidate) {
    return std::string{SignOf(candidate), ' '} +
           LeftAligned(candidate.Numerator, kNumeratorPlaces) + "/" +
           LeftAligned(candidate.Denominator, kDenominatorPlaces);
}

// The candidate as the answer writes it: "+ 1/6".
std::string MatchText(const Candidate& candidate) {
    return std::string{SignOf(candidate), ' '} + std::to_string(candidate.Numerator) + "/" +
           std::to_string(candidate.Denominator);
}

// A term read by the calculator: its first input error, or its three numbers.
struct ReadTerm {
    CalcOutcome Outcome;
    double Years = 0;
    double Months = 0;
    double Days = 0;
};

ReadTerm ReadTermFields(const TermTexts& term) {
    CalcState state;
    ReadTerm read;
    read.Outcome =
        RunCalculation(state, term.Years, term.Months, term.Days, kBlankFines, kUnchangedOperation);
    read.Years = state.Years;
    read.Months = state.Months;
    read.Days = state.Days;
    return read;
}

// The read numbers are whole and of at most nine digits, so the sum is exact.
std::int64_t TermDays(const ReadTerm& term) {
    return static_cast<std::int64_t>(term.Years) * kDaysPerYear +
           static_cast<std::int64_t>(term.Months) * kDaysPerMonth +
           static_cast<std::int64_t>(term.Days);
}

// Compared as numbers, so that a part written "-0" equals a typed 0.
bool PartEquals(const std::string& resultText, double expected) {
    const auto value = ConvertSignedWhole(RemoveBlanks(resultText), kMaxResultPartDigits);
    return value && *value == expected;
}

bool ResultEquals(const CalcState& state, const ReadTerm& term) {
    return PartEquals(state.OutYearsText, term.Years) &&
           PartEquals(state.OutMonthsText, term.Months) && PartEquals(state.OutDaysText, term.Days);
}

std::vector<std::string> MatchingOperations(const TermTexts& before, const ReadTerm& after) {
    std::vector<std::string> matches;
    CalcState state;
    for (const Candidate& candidate : UsualOperations()) {
        const CalcOutcome outcome = RunCalculation(state, before.Years, before.Months, before.Days,
                                                   kBlankFines, OperationFieldText(candidate));
        if (outcome.Ok && ResultEquals(state, after)) {
            matches.push_back(MatchText(candidate));
        }
    }
    return matches;
}

// (after - before) / before in hundredths of a percent, rounded half away from zero, with
// a decimal comma. The sign is that of the change itself, so a change too small to show
// still says its direction ("-0,00%"); no change is "+0,00%". The bounds of the fields
// keep every product far inside 64 bits.
std::string VariationText(std::int64_t beforeDays, std::int64_t afterDays) {
    if (beforeDays == 0) {
        return std::string(kNoVariationText);
    }
    const std::int64_t change = afterDays - beforeDays;
    const bool negative = change != 0 && (change < 0) != (beforeDays < 0);
    const std::int64_t divisor = std::abs(beforeDays);
    const std::int64_t hundredths =
        (2 * std::abs(change) * kHundredthsOfPercent + divisor) / (2 * divisor);
    std::string cents = std::to_string(hundredths % 100);
    cents.insert(0, 2 - cents.size(), '0');
    return std::string(negative ? "-" : "+") + std::to_string(hundredths / 100) + "," + cents + "%";
}

TermTexts TermOf(const TermFieldTexts& fields) {
    return {fields[0], fields[1], fields[2]};
}

FractionAnswer Failure(const CalcOutcome& outcome, TermSide side) {
    FractionAnswer answer;
    answer.ErrorText = outcome.OutcomeText;
    answer.FaultTerm = side;
    answer.FaultField = outcome.FaultField;
    return answer;
}

} // namespace

FractionAnswer FindAppliedFraction(const TermTexts& before, const TermTexts& after) {
    const ReadTerm start = ReadTermFields(before);
    if (!start.Outcome.Ok) {
        return Failure(start.Outcome, TermSide::Before);
    }
    const ReadTerm result = ReadTermFields(after);
    if (!result.Outcome.Ok) {
        return Failure(result.Outcome, TermSide::After);
    }
    FractionAnswer answer;
    answer.Ok = true;
    const std::int64_t startDays = TermDays(start);
    answer.StartIsZero = startDays == 0;
    if (!answer.StartIsZero) {
        answer.Matches = MatchingOperations(before, result);
    }
    answer.Variation = VariationText(startDays, TermDays(result));
    return answer;
}

std::vector<std::string> AnswerLines(const FractionAnswer& answer) {
    if (!answer.Ok) {
        return {answer.ErrorText};
    }
    std::vector<std::string> lines = answer.Matches;
    if (lines.empty()) {
        lines.emplace_back(answer.StartIsZero ? kZeroStartLine : kNoFractionLine);
    }
    lines.push_back(std::string(kVariationPrefix) + answer.Variation);
    return lines;
}

std::optional<CalculationTerms> LastCalculationTerms(const CalcState& state) {
    if (!HasResult(state)) {
        return std::nullopt;
    }
    // Volta and Continua rewrite the texts they take; a copy keeps the record as it is.
    CalcState record = state;
    CalculationTerms terms;
    terms.Before = TermOf(RestoreInputs(record));
    terms.ResultFits = ResultsFitTheFields(record);
    if (terms.ResultFits) {
        terms.After = TermOf(CarryResultsForward(record));
    }
    return terms;
}

} // namespace zarn
