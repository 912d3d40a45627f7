#include "engine/Sentence.h"

#include "engine/Texts.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace zarn {

namespace {

constexpr double kDaysPerYear = 360;
constexpr double kDaysPerMonth = 30;

// The fraction of the operation taken of a whole: the product first, then the quotient.
double FractionOf(const CalcState& state, double whole) {
    return whole * state.Numerator / state.Denominator;
}

// The whole with the fraction added, or taken away.
double ApplyDelta(const CalcState& state, double whole, double delta) {
    return state.Increase ? whole + delta : whole - delta;
}

// The word that follows a part already truncated: plural only above 1.
std::string WordFor(double part, const UnitWord& word) {
    return std::string(part > 1 ? word.Plural : word.Singular);
}

} // namespace

std::string FormatWhole(double truncatedValue, int width) {
    // Large enough for the longest fixed-notation double (309 digits and a sign).
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::trunc(truncatedValue), std::chars_format::fixed, 0);
    const std::string digits(buffer.data(), result.ptr);
    const std::size_t fieldWidth = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (digits.size() >= fieldWidth) {
        return digits;
    }
    return std::string(fieldWidth - digits.size(), ' ') + digits;
}

ResultParts SplitResultDays(double resultDays) {
    ResultParts parts;
    parts.Years = std::trunc(resultDays / kDaysPerYear);
    double remainder = resultDays - parts.Years * kDaysPerYear;
    parts.Months = std::trunc(remainder / kDaysPerMonth);
    remainder = remainder - parts.Months * kDaysPerMonth;
    parts.Days = std::trunc(remainder);
    return parts;
}

void ComputeTerm(CalcState& state) {
    state.TotalDays = state.Years * kDaysPerYear + state.Months * kDaysPerMonth + state.Days;
    state.DeltaDays = FractionOf(state, state.TotalDays);
    state.ResultDays = ApplyDelta(state, state.TotalDays, state.DeltaDays);

    const ResultParts parts = SplitResultDays(state.ResultDays);
    state.YearWord = WordFor(parts.Years, kYearWord);
    state.OutYearsText = FormatWhole(parts.Years, kTermPartWidth);
    state.MonthWord = WordFor(parts.Months, kMonthWord);
    state.OutMonthsText = FormatWhole(parts.Months, kTermPartWidth);
    state.DayWord = WordFor(parts.Days, kDayWord);
    state.OutDaysText = FormatWhole(parts.Days, kTermPartWidth);
}

void ComputeFines(CalcState& state) {
    state.DeltaFines = FractionOf(state, state.Fines);
    state.ResultFines = ApplyDelta(state, state.Fines, state.DeltaFines);
    if (state.ResultFines > static_cast<double>(kFinesCeiling)) {
        state.ResultFines = static_cast<double>(kFinesCeiling);
    }
    state.ResultFines = std::trunc(state.ResultFines);
    state.FineWord = WordFor(state.ResultFines, kFineWord);
    state.OutFinesText = FormatWhole(state.ResultFines, kFinesWidth);
}

std::string BuildSentence(const CalcState& state) {
    const std::string fines = state.OutFinesText + state.FineWord;
    if (state.Fines != 0 && state.Years == 0 && state.Months == 0 && state.Days == 0) {
        return fines;
    }
    std::string sentence = state.OutYearsText + state.YearWord + std::string(kAfterYears) +
                           state.OutMonthsText + state.MonthWord + std::string(kBeforeDays) +
                           state.OutDaysText + state.DayWord;
    if (state.Fines != 0) {
        sentence += std::string(kBeforeFines) + fines;
    }
    return sentence;
}

} // namespace zarn
