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

// One number field of a run: where its text goes, its reader and its raw text.
struct NumberField {
    std::string CalcState::*Text;
    void (*Read)(CalcState&);
    InputField Field;
    const std::string& Raw;
};

} // namespace

CalcOutcome RunCalculation(CalcState& state, const std::string& years, const std::string& months,
                           const std::string& days, const std::string& fines,
                           const std::string& operation) {
    // Copies first: a caller may hand in texts of the record itself, which the reset
    // clears.
    const std::string texts[] = {years, months, days, fines, operation};
    ResetRecord(state);
    const NumberField numberFields[] = {
        {&CalcState::YearsText, &ReadYears, InputField::Years, texts[0]},
        {&CalcState::MonthsText, &ReadMonths, InputField::Months, texts[1]},
        {&CalcState::DaysText, &ReadDays, InputField::Days, texts[2]},
        {&CalcState::FinesText, &ReadFines, InputField::Fines, texts[3]},
    };
    for (const NumberField& field : numberFields) {
        // A field is stored only when the run reaches it.
        state.*field.Text = field.Raw;
        field.Read(state);
        if (const std::string_view fault = NumberFieldFault(state); !fault.empty()) {
            return Failure(fault, field.Field);
        }
    }
    state.OperationText = texts[4];
    ParseOperation(state);
    if (state.InvalidOperation) {
        return Failure(kInvalidOperationMessage, InputField::Operation);
    }
    ComputeTerm(state);
    ComputeFines(state);
    return CalcOutcome{true, BuildSentence(state), InputField::Years};
}

} // namespace zarn
