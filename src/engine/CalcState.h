#pragma once

// The one calculation record of the program. It lives beside the main window for the
// life of the process; only RunCalculation resets it. Texts are Windows-1252.

#include <string>

namespace zarn {

// The five input fields, in the order in which a calculation reads them.
enum class InputField { Years, Months, Days, Fines, Operation };

struct CalcState {
    std::string YearsText;       // cleaned years text ("0" when blank); feeds Volta
    std::string MonthsText;      // cleaned months text
    std::string DaysText;        // cleaned days text
    std::string FinesText;       // cleaned day-fines text
    std::string OperationText;   // operation text, consumed in place by the parser
    std::string NumeratorText;   // operation text before its first "/"
    std::string DenominatorText; // operation text after its first "/"
    std::string OutYearsText;    // result years, right-aligned in 2 characters
    std::string OutMonthsText;   // result months, 2 characters
    std::string OutDaysText;     // result days, 2 characters
    std::string OutFinesText;    // result day-fines, right-aligned in 3 characters
    std::string YearWord;        // " ano" or " anos"
    std::string MonthWord;       // " m\xEAs" or " meses"
    std::string DayWord;         // " dia" or " dias"
    std::string FineWord;        // " dia-multa" or " dias-multa"
    double Years = 0;
    double Months = 0;
    double Days = 0;
    double Fines = 0;
    double Numerator = 0;
    double Denominator = 0;
    double ResultDays = 0;
    double TotalDays = 0;
    double DeltaDays = 0;
    double DeltaFines = 0;
    double ResultFines = 0;
    bool MonthsTooLarge = false;
    bool DaysTooLarge = false;
    bool FinesBelowMinimum = false;
    bool FinesAboveMaximum = false;
    bool Increase = false;
    bool Multiply = false;
    bool InvalidOperation = false;
    bool InvalidNumber = false; // a number field held something other than a whole number
};

// What one calculation run returns: the sentence, or the first input error and the
// field at fault.
struct CalcOutcome {
    bool Ok = false;
    std::string OutcomeText;
    InputField FaultField = InputField::Years;
};

} // namespace zarn
