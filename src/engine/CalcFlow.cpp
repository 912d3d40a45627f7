#include "engine/CalcFlow.h"

#include <algorithm>

namespace zarn {
namespace {

// The record's four result texts, in the order of the term fields.
template <typename State>
auto ResultTexts(State& state) {
    return std::array{&state.OutYearsText, &state.OutMonthsText, &state.OutDaysText,
                      &state.OutFinesText};
}

std::array<std::string*, 4> InputTexts(CalcState& state) {
    return {&state.YearsText, &state.MonthsText, &state.DaysText, &state.FinesText};
}

} // namespace

bool HasResult(const CalcState& state) {
    return !state.OutYearsText.empty() || !state.OutMonthsText.empty() ||
           !state.OutDaysText.empty();
}

bool ResultsFitTheFields(const CalcState& state) {
    const auto results = ResultTexts(state);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const auto length = static_cast<std::size_t>(
            std::count_if(results[i]->begin(), results[i]->end(), [](char c) { return c != ' '; }));
        if (length > kTermFieldWidths[i]) {
            return false;
        }
    }
    return true;
}

TermFieldTexts CarryResultsForward(CalcState& state) {
    TermFieldTexts fields;
    const auto results = ResultTexts(state);
    for (std::size_t i = 0; i < results.size(); ++i) {
        std::string& text = *results[i];
        std::erase(text, ' ');
        fields[i] = text == "0" ? std::string() : text;
    }
    return fields;
}

TermFieldTexts RestoreInputs(CalcState& state) {
    TermFieldTexts fields;
    const std::array<std::string*, 4> inputs = InputTexts(state);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        std::string& text = *inputs[i];
        if (text == "0") {
            text.clear();
        }
        fields[i] = text;
    }
    return fields;
}

std::array<std::string, 3> CalendarTerm(const CalcState& state) {
    if (!HasResult(state)) {
        return {};
    }
    return {state.OutYearsText, state.OutMonthsText, state.OutDaysText};
}

} // namespace zarn
