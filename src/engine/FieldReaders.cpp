// The four number-field readers. Each cleans the raw text stored in its text field in
// place, converts it into its number field and sets its flags; they differ only in
// their limits.

#include "engine/Calculation.h"
#include "engine/NumberText.h"

#include <optional>

namespace zarn {

namespace {

constexpr double kMaxMonths = 11;
constexpr double kMaxDays = 29;
constexpr double kMinFines = 10;
constexpr double kMaxFines = 66666;

// Removes the blanks in place, "0" when nothing is left, and converts the text. A text
// that is not a whole number sets InvalidNumber and leaves the number at 0.
std::optional<double> CleanAndConvert(CalcState& state, std::string& text) {
    text = RemoveBlanks(text);
    if (text.empty()) {
        text.push_back('0');
    }
    std::optional<double> value = ConvertSignedWhole(text);
    if (!value) {
        state.InvalidNumber = true;
    }
    return value;
}

} // namespace

void ReadYears(CalcState& state) {
    if (const auto value = CleanAndConvert(state, state.YearsText)) {
        state.Years = *value;
    }
}

void ReadMonths(CalcState& state) {
    if (const auto value = CleanAndConvert(state, state.MonthsText)) {
        state.Months = *value;
        state.MonthsTooLarge = state.Months > kMaxMonths;
    }
}

void ReadDays(CalcState& state) {
    if (const auto value = CleanAndConvert(state, state.DaysText)) {
        state.Days = *value;
        state.DaysTooLarge = state.Days > kMaxDays;
    }
}

void ReadFines(CalcState& state) {
    if (const auto value = CleanAndConvert(state, state.FinesText)) {
        state.Fines = *value;
        if (state.Fines != 0) {
            state.FinesBelowMinimum = state.Fines < kMinFines;
            state.FinesAboveMaximum = state.Fines > kMaxFines;
        }
    }
}

} // namespace zarn
