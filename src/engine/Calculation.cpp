#include "engine/Calculation.h"

#include "engine/Operation.h"
#include "engine/Sentence.h"
#include "engine/Texts.h"

#include <string_view>

namespace zarn {

namespace {

// Empty texts, zero numbers, false flags and the singular words.
void ResetRecord(CalcState& state) {
    state = CalcState{};
    state.YearWord = kYearWord.Singular;
    state.MonthWord = kMonthWord.Singular;
    state.DayWord = kDayWord.Singular;
    state.FineWord = kFineWord.Singular;
}

CalcOutcome Failure(std::string_view message, InputField field) {
    return CalcOutcome{false, std::string(message), field};
}

// The first failed test of the number field just read, if any.
std::string_view NumberFieldFault(const CalcState& state) {
    if (state.InvalidNumber) {
        return kInvalidNumberMessage;
    }
    if (state.MonthsTooLarge) {
        return kMonthsTooLargeMessage;
    }
    if (state.DaysTooLarge) {
        return kDaysTooLargeMessage;
    }
    if (state.FinesBelowMinimum) {
        return kFinesBelowMinimumMessage;
    }
    if (state.FinesAboveMaximum) {
        return kFinesAboveMaximumMessage;
    }
    return {};
}

struct NumberField {
    std::string CalcState::*Text;
    void (*Read)(CalcState&);
    InputField Field;
};

// The four number fields in reading order.
constexpr NumberField kNumberFields[] = {
    {&CalcState::YearsText, &ReadYears, InputField::Years},
    {&CalcState::MonthsText, &ReadMonths, InputField::Months},
    {&CalcState::DaysText, &ReadDays, InputField::Days},
    {&CalcState::FinesText, &ReadFines, InputField::Fines},
};

} // namespace

CalcOutcome RunCalculation(CalcState& state, const std::string& years, const std::string& months,
                           const std::string& days, const std::string& fines,
                           const std::string& operation) {
    ResetRecord(state);
    const std::string* const numberTexts[] = {&years, &months, &days, &fines};
    for (std::size_t i = 0; i < std::size(kNumberFields); ++i) {
        const NumberField& field = kNumberFields[i];
        // A field is stored only when the run reaches it.
        state.*field.Text = *numberTexts[i];
        field.Read(state);
        if (const std::string_view fault = NumberFieldFault(state); !fault.empty()) {
            return Failure(fault, field.Field);
        }
    }
    state.OperationText = operation;
    ParseOperation(state);
    if (state.InvalidOperation) {
        return Failure(kInvalidOperationMessage, InputField::Operation);
    }
    ComputeTerm(state);
    ComputeFines(state);
    return CalcOutcome{true, BuildSentence(state), InputField::Years};
}

} // namespace zarn
