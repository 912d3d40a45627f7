// RunCalculation on five arbitrary texts (years, months, days, day-fines, operation), one
// per line of the input. Besides never failing, every run must:
// - give the same outcome on a fresh record, on a record left by an earlier run, and when
//   handed the record's own texts;
// - on an input error, set exactly one cause, name the field that cause belongs to, and
//   leave the later fields and every result untouched;
// - on a result, hold the numbers that an independent reading of the field texts gives,
//   and the parts, words and sentence that exact integer arithmetic gives for the parsed
//   fraction (the engine computes in 64-bit reals).

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "engine/CalcState.h"
#include "engine/Calculation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace zarn::fuzz {
namespace {

constexpr std::size_t kNumberFieldCount = 4;
constexpr std::int64_t kDaysPerYear = 360;
constexpr std::int64_t kDaysPerMonth = 30;
constexpr std::int64_t kFinesCeiling = 66666;
constexpr std::int64_t kLargestFractionPart = 999;

struct FieldTexts {
    std::array<std::string, kNumberFieldCount> Numbers; // years, months, days, day-fines
    std::string Operation;
};

CalcOutcome Run(CalcState& state, const FieldTexts& texts) {
    return RunCalculation(state, texts.Numbers[0], texts.Numbers[1], texts.Numbers[2],
                          texts.Numbers[3], texts.Operation);
}

// The number a field text names, read without the engine: blanks removed, "0" when nothing
// is left, then an optional sign and one to nine decimal digits.
std::optional<std::int64_t> IndependentNumber(const std::string& raw) {
    std::string text;
    for (const char c : raw) {
        if (c != ' ') {
            text.push_back(c);
        }
    }
    if (text.empty()) {
        return 0;
    }
    const bool negative = text.front() == '-';
    const std::size_t start = (negative || text.front() == '+') ? 1 : 0;
    const std::size_t digitCount = text.size() - start;
    if (digitCount < 1 || digitCount > 9 || text[start] < '0' || text[start] > '9') {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data() + start, last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// A part of the result: its whole value and whether the exact value lies below zero (a
// truncated value between -1 and 0 is written "-0").
struct Part {
    std::int64_t Value = 0;
    bool Negative = false;
};

Part Truncated(std::int64_t numerator, std::int64_t denominator) {
    return Part{numerator / denominator, numerator < 0};
}

std::string Written(Part part, std::size_t width) {
    std::string text = std::to_string(part.Value < 0 ? -part.Value : part.Value);
    if (part.Negative) {
        text.insert(0, 1, '-');
    }
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

std::string Word(Part part, const char* singular, const char* plural) {
    return part.Value > 1 ? plural : singular;
}

bool IsWhole(double value) {
    return value == static_cast<double>(static_cast<std::int64_t>(value));
}

void CheckResult(const CalcState& state, const CalcOutcome& outcome,
                 const std::array<std::int64_t, kNumberFieldCount>& numbers) {
    Require(state.Years == static_cast<double>(numbers[0]), "years read as written");
    Require(state.Months == static_cast<double>(numbers[1]), "months read as written");
    Require(state.Days == static_cast<double>(numbers[2]), "days read as written");
    Require(state.Fines == static_cast<double>(numbers[3]), "day-fines read as written");
    Require(numbers[1] <= 11 && numbers[2] <= 29, "months and days within their limits");
    Require(numbers[3] == 0 || (numbers[3] >= 10 && numbers[3] <= kFinesCeiling),
            "day-fines within their limits");

    Require(IsWhole(state.Numerator) && IsWhole(state.Denominator), "a fraction of whole numbers");
    Require(state.Denominator >= 1 && state.Denominator <= kLargestFractionPart,
            "a denominator of 1 to 999");
    Require(state.Numerator >= -1 && state.Numerator <= kLargestFractionPart,
            "a numerator of -1 to 999");
    const auto numerator = static_cast<std::int64_t>(state.Numerator);
    const auto denominator = static_cast<std::int64_t>(state.Denominator);
    const std::int64_t factor = denominator + (state.Increase ? numerator : -numerator);

    // The term after the operation is total * factor / denominator days, split exactly.
    const std::int64_t total = numbers[0] * kDaysPerYear + numbers[1] * kDaysPerMonth + numbers[2];
    const std::int64_t result = total * factor;
    const Part years = Truncated(result, kDaysPerYear * denominator);
    const std::int64_t afterYears = result - years.Value * kDaysPerYear * denominator;
    const Part months = Truncated(afterYears, kDaysPerMonth * denominator);
    const std::int64_t afterMonths = afterYears - months.Value * kDaysPerMonth * denominator;
    const Part days = Truncated(afterMonths, denominator);

    const std::int64_t fines = numbers[3] * factor;
    const Part finesPart = fines > kFinesCeiling * denominator ? Part{kFinesCeiling, false}
                                                               : Truncated(fines, denominator);

    // A field carried over as "-0" is a negative zero, and the reals keep that sign through
    // sums and products that are exactly zero; the part is then "-0" or "0".
    const bool negativeZeroIn = std::signbit(state.Years) || std::signbit(state.Months) ||
                                std::signbit(state.Days) || std::signbit(state.Fines);
    auto matches = [negativeZeroIn](const std::string& shown, Part part, std::size_t width) {
        if (shown == Written(part, width)) {
            return true;
        }
        return negativeZeroIn && part.Value == 0 && !part.Negative &&
               shown == Written(Part{0, true}, width);
    };
    Require(matches(state.OutYearsText, years, 2), "years of the result");
    Require(matches(state.OutMonthsText, months, 2), "months of the result");
    Require(matches(state.OutDaysText, days, 2), "days of the result");
    Require(matches(state.OutFinesText, finesPart, 3), "day-fines of the result");

    const std::string term = state.OutYearsText + Word(years, " ano", " anos") + ", " +
                             state.OutMonthsText + Word(months, " m\xEAs", " meses") + " e " +
                             state.OutDaysText + Word(days, " dia", " dias");
    const std::string finesText = state.OutFinesText + Word(finesPart, " dia-multa", " dias-multa");
    const bool noTerm = numbers[0] == 0 && numbers[1] == 0 && numbers[2] == 0;
    std::string sentence;
    if (numbers[3] == 0) {
        sentence = term;
    } else if (noTerm) {
        sentence = finesText;
    } else {
        sentence = term + ", e " + finesText;
    }
    Require(outcome.OutcomeText == sentence, "the result sentence");
}

void CheckFailure(const CalcState& state, const CalcOutcome& outcome, const FieldTexts& texts) {
    const int causes = state.MonthsTooLarge + state.DaysTooLarge + state.FinesBelowMinimum +
                       state.FinesAboveMaximum + state.InvalidOperation + state.InvalidNumber;
    Require(causes == 1, "exactly one cause for an input error");
    Require(!outcome.OutcomeText.empty(), "an error message");
    Require(state.OutYearsText.empty() && state.OutMonthsText.empty() &&
                state.OutDaysText.empty() && state.OutFinesText.empty(),
            "no result texts after an error");
    Require(state.YearWord == " ano" && state.MonthWord == " m\xEAs" && state.DayWord == " dia" &&
                state.FineWord == " dia-multa",
            "singular words after an error");

    // The field at fault is the first that fails to read, or the one whose test failed.
    std::size_t unreadable = kNumberFieldCount;
    for (std::size_t i = 0; i < kNumberFieldCount && unreadable == kNumberFieldCount; ++i) {
        if (!IndependentNumber(texts.Numbers[i])) {
            unreadable = i;
        }
    }
    InputField expected = InputField::Operation;
    if (state.InvalidNumber) {
        Require(unreadable < kNumberFieldCount, "an unreadable field behind a number error");
        expected = static_cast<InputField>(unreadable);
    } else if (state.MonthsTooLarge) {
        expected = InputField::Months;
    } else if (state.DaysTooLarge) {
        expected = InputField::Days;
    } else if (state.FinesBelowMinimum || state.FinesAboveMaximum) {
        expected = InputField::Fines;
    }
    Require(outcome.FaultField == expected, "the field at fault matches the cause");
    const std::string* stored[] = {&state.YearsText, &state.MonthsText, &state.DaysText,
                                   &state.FinesText, &state.OperationText};
    for (auto i = static_cast<std::size_t>(expected) + 1; i < std::size(stored); ++i) {
        Require(stored[i]->empty(), "fields after the one at fault are not stored");
    }
}

bool SameRun(const CalcOutcome& a, const CalcState& sa, const CalcOutcome& b, const CalcState& sb) {
    return a.Ok == b.Ok && a.OutcomeText == b.OutcomeText && a.FaultField == b.FaultField &&
           sa.YearsText == sb.YearsText && sa.MonthsText == sb.MonthsText &&
           sa.DaysText == sb.DaysText && sa.FinesText == sb.FinesText &&
           sa.OperationText == sb.OperationText && sa.OutYearsText == sb.OutYearsText &&
           sa.OutFinesText == sb.OutFinesText;
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    FieldTexts texts;
    for (std::string& text : texts.Numbers) {
        text = input.TakeText();
    }
    texts.Operation = input.TakeText();

    CalcState state;
    const CalcOutcome outcome = Run(state, texts);
    if (outcome.Ok) {
        std::array<std::int64_t, kNumberFieldCount> numbers{};
        for (std::size_t i = 0; i < kNumberFieldCount; ++i) {
            const std::optional<std::int64_t> number = IndependentNumber(texts.Numbers[i]);
            Require(number.has_value(), "a result only from readable number fields");
            numbers[i] = *number;
        }
        CheckResult(state, outcome, numbers);
    } else {
        CheckFailure(state, outcome, texts);
    }

    // The same texts on the record the run left behind give the same run.
    CalcState again = state;
    const CalcOutcome repeated = Run(again, texts);
    Require(SameRun(outcome, state, repeated, again), "a run does not depend on the record");

    // The record's own texts handed back in (as the window's commands do) are read before
    // the reset clears them.
    const FieldTexts own{{state.YearsText, state.MonthsText, state.DaysText, state.FinesText},
                         state.OperationText};
    CalcState fresh;
    const CalcOutcome fromCopies = Run(fresh, own);
    const CalcOutcome fromRecord =
        RunCalculation(state, state.YearsText, state.MonthsText, state.DaysText, state.FinesText,
                       state.OperationText);
    Require(SameRun(fromCopies, fresh, fromRecord, state), "the record's own texts as input");
    return 0;
}
