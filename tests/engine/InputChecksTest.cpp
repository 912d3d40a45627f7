// The checks of the four number fields, in reading order, and what the record holds
// after a run.

#include "engine/CalcState.h"
#include "engine/Calculation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>

namespace zarn {
namespace {

const std::string kValidOperation = "+ 1 /6  ";

const std::string kMonthsMessage = "O n\xFAmero m\xE1ximo de meses \xE9 11.";
const std::string kDaysMessage = "O n\xFAmero m\xE1ximo de dias \xE9 29.";
const std::string kFinesMinimumMessage = "Ser\xE1 de 10 o m\xEDnimo de dias-multa.";
const std::string kFinesMaximumMessage = "O m\xE1ximo de dias-multa \xE9 66.666 (Lei 11.343/06).";
const std::string kOperationMessage = "Opera\xE7\xE3o inv\xE1lida!";
const std::string kNumberMessage = "N\xFAmero inv\xE1lido!";

struct Inputs {
    std::string years;
    std::string months;
    std::string days;
    std::string fines;
    std::string operation;
};

std::string Describe(const Inputs& in) {
    return "\"" + in.years + "\" \"" + in.months + "\" \"" + in.days + "\" \"" + in.fines +
           "\" \"" + in.operation + "\"";
}

CalcOutcome RunFields(CalcState& state, const Inputs& in) {
    return RunCalculation(state, in.years, in.months, in.days, in.fines, in.operation);
}

struct FailureRow {
    Inputs inputs;
    std::string message;
    InputField field;
};

// Inputs that fail, each with the first failing field only.
const FailureRow kFailures[] = {
    {{"   ", "12", "  ", "     ", kValidOperation}, kMonthsMessage, InputField::Months},
    {{"   ", "99", "  ", "     ", kValidOperation}, kMonthsMessage, InputField::Months},
    {{"   ", "  ", "30", "     ", kValidOperation}, kDaysMessage, InputField::Days},
    {{"   ", "  ", "3 1", "     ", kValidOperation}, kDaysMessage, InputField::Days},
    {{"   ", "  ", "  ", "9    ", kValidOperation}, kFinesMinimumMessage, InputField::Fines},
    {{"   ", "  ", "  ", "    1", kValidOperation}, kFinesMinimumMessage, InputField::Fines},
    {{"   ", "  ", "  ", "-2   ", kValidOperation}, kFinesMinimumMessage, InputField::Fines},
    {{"   ", "  ", "  ", "66667", kValidOperation}, kFinesMaximumMessage, InputField::Fines},
    {{"   ", "  ", "  ", "99999", kValidOperation}, kFinesMaximumMessage, InputField::Fines},
    {{"1  ", "2 ", "3 ", "10   ", "+ 0 /6  "}, kOperationMessage, InputField::Operation},
    {{"1  ", "2 ", "3 ", "     ", "    /   "}, kOperationMessage, InputField::Operation},
    {{"1  ", "2 ", "3 ", "     ", ""}, kOperationMessage, InputField::Operation},
    // Only the first failing field is reported.
    {{"   ", "12", "45", "5    ", "a 1 /6  "}, kMonthsMessage, InputField::Months},
    {{"   ", "11", "45", "5    ", "a 1 /6  "}, kDaysMessage, InputField::Days},
    {{"   ", "11", "29", "5    ", "a 1 /6  "}, kFinesMinimumMessage, InputField::Fines},
    {{"x  ", "12", "45", "5    ", "a 1 /6  "}, kNumberMessage, InputField::Years},
    // Texts that are not whole numbers, in each field.
    {{"1a ", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"--5", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"5- ", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"- 1 -", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"+  ", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"-", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"+-1", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"1.5", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"1,5", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"\t5", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"\xB9  ", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{std::string("1\0 ", 3), "  ", "  ", "     ", kValidOperation},
     kNumberMessage,
     InputField::Years},
    {{"1e3", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"0x1", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"1234567890", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"0000000001", "  ", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Years},
    {{"99999999999999999999999", "", "", "", kValidOperation}, kNumberMessage, InputField::Years},
    {{"   ", "1O", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Months},
    {{"   ", "-", "  ", "     ", kValidOperation}, kNumberMessage, InputField::Months},
    {{"   ", "  ", "2-", "     ", kValidOperation}, kNumberMessage, InputField::Days},
    {{"   ", "  ", "  ", "1O   ", kValidOperation}, kNumberMessage, InputField::Fines},
    {{"   ", "  ", "  ", "-0000000010", kValidOperation}, kNumberMessage, InputField::Fines},
};

TEST(InputChecks, FirstFailingFieldGivesMessageAndField) {
    for (const FailureRow& row : kFailures) {
        SCOPED_TRACE(Describe(row.inputs));
        CalcState state;
        const CalcOutcome outcome = RunFields(state, row.inputs);
        EXPECT_FALSE(outcome.Ok);
        EXPECT_EQ(outcome.OutcomeText, row.message);
        EXPECT_EQ(outcome.FaultField, row.field);
    }
}

int CauseCount(const CalcState& s) {
    return s.MonthsTooLarge + s.DaysTooLarge + s.FinesBelowMinimum + s.FinesAboveMaximum +
           s.InvalidOperation + s.InvalidNumber;
}

bool IsUnreached(const std::string& text, double value) {
    return text.empty() && value == 0;
}

void ExpectResultUntouched(const CalcState& s) {
    EXPECT_TRUE(s.OutYearsText.empty() && s.OutMonthsText.empty() && s.OutDaysText.empty() &&
                s.OutFinesText.empty());
    EXPECT_EQ(s.YearWord, " ano");
    EXPECT_EQ(s.MonthWord, " m\xEAs");
    EXPECT_EQ(s.DayWord, " dia");
    EXPECT_EQ(s.FineWord, " dia-multa");
    EXPECT_EQ(s.TotalDays, 0);
    EXPECT_EQ(s.ResultDays, 0);
    EXPECT_EQ(s.ResultFines, 0);
}

// After a failure: one cause, the fields after the failing one never stored, no result.
TEST(InputChecks, RecordAfterFailure) {
    for (const FailureRow& row : kFailures) {
        SCOPED_TRACE(Describe(row.inputs));
        CalcState state;
        RunFields(state, row.inputs);
        EXPECT_EQ(CauseCount(state), 1);
        const int fault = static_cast<int>(row.field);
        if (fault < static_cast<int>(InputField::Months)) {
            EXPECT_TRUE(IsUnreached(state.MonthsText, state.Months));
        }
        if (fault < static_cast<int>(InputField::Days)) {
            EXPECT_TRUE(IsUnreached(state.DaysText, state.Days));
        }
        if (fault < static_cast<int>(InputField::Fines)) {
            EXPECT_TRUE(IsUnreached(state.FinesText, state.Fines));
        }
        if (fault < static_cast<int>(InputField::Operation)) {
            EXPECT_TRUE(state.OperationText.empty());
            EXPECT_FALSE(state.Increase || state.Multiply);
            EXPECT_EQ(state.Numerator, 0);
            EXPECT_EQ(state.Denominator, 0);
        }
        ExpectResultUntouched(state);
    }
}

TEST(InputChecks, LimitsAreStrict) {
    const Inputs rows[] = {
        {"   ", "11", "  ", "     ", kValidOperation},
        {"   ", "  ", "29", "     ", kValidOperation},
        {"   ", "  ", "  ", "0    ", kValidOperation},
        {"   ", "  ", "  ", "     ", kValidOperation},
        {"   ", "  ", "  ", "10   ", kValidOperation},
        {"   ", "  ", "  ", "66666", kValidOperation},
        {"999", "11", "29", "66666", kValidOperation},
        {"   ", "00", "  ", "00000", kValidOperation},
        {"123456789", "", "", "", kValidOperation},
        {"   ", "-5", "-29", "     ", kValidOperation},
    };
    for (const Inputs& in : rows) {
        SCOPED_TRACE(Describe(in));
        CalcState state;
        const CalcOutcome outcome = RunFields(state, in);
        EXPECT_TRUE(outcome.Ok) << outcome.OutcomeText;
        EXPECT_EQ(CauseCount(state), 0);
        EXPECT_FALSE(state.OutYearsText.empty() || state.OutMonthsText.empty() ||
                     state.OutDaysText.empty() || state.OutFinesText.empty());
    }
}

// Blanks are removed wherever they stand, leading zeros and signs stay in the text.
TEST(InputChecks, CleanedTextsAndNumbers) {
    struct Row {
        std::string raw;
        std::string cleaned;
        double value;
        bool signBit; // negative, negative zero included
    };
    const Row rows[] = {
        {"1 2", "12", 12, false},
        {"000", "000", 0, false},
        {"  5", "5", 5, false},
        {"5  ", "5", 5, false},
        {"   ", "0", 0, false},
        {"", "0", 0, false},
        {"007", "007", 7, false},
        {"-2", "-2", -2, true},
        {"- 2", "-2", -2, true},
        {"+7", "+7", 7, false},
        {"-0", "-0", 0, true},
        {"-10", "-10", -10, true},
        {"123456789", "123456789", 123456789, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("\"" + row.raw + "\"");
        CalcState state;
        ASSERT_TRUE(RunFields(state, {row.raw, "  ", "  ", "     ", kValidOperation}).Ok);
        EXPECT_EQ(state.YearsText, row.cleaned);
        EXPECT_EQ(state.Years, row.value);
        EXPECT_EQ(std::signbit(state.Years), row.signBit);
        // The same reader rules apply to the other fields.
        state = CalcState{};
        state.DaysText = row.raw;
        ReadDays(state);
        EXPECT_EQ(state.DaysText, row.cleaned);
        EXPECT_EQ(state.Days, row.value);
    }
}

TEST(InputChecks, ValidNumbersWithInvalidOperationAreKept) {
    CalcState state;
    const CalcOutcome outcome = RunFields(state, {" 1 2", "0 3", " 4", "1 5  ", "0 1 /6  "});
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.OutcomeText, kOperationMessage);
    EXPECT_EQ(outcome.FaultField, InputField::Operation);
    EXPECT_EQ(state.YearsText, "12");
    EXPECT_EQ(state.MonthsText, "03");
    EXPECT_EQ(state.DaysText, "4");
    EXPECT_EQ(state.FinesText, "15");
    EXPECT_EQ(state.Years, 12);
    EXPECT_EQ(state.Months, 3);
    EXPECT_EQ(state.Days, 4);
    EXPECT_EQ(state.Fines, 15);
    EXPECT_TRUE(state.InvalidOperation);
    ExpectResultUntouched(state);
}

// Each run starts from a reset record, whatever the previous one left.
TEST(InputChecks, RunsInARowShareNothing) {
    const Inputs plural = {"5  ", "6 ", "7 ", "20   ", "+ 1 /6  "};
    const struct {
        Inputs second;
        bool ok;
        std::string text;
    } rows[] = {
        {{"   ", "  ", "1 ", "     ", kValidOperation}, true, " 0 ano,  0 m\xEAs e  1 dia"},
        {{"1  ", "  ", "  ", "     ", kValidOperation}, true, " 1 ano,  2 meses e  0 dia"},
        {{"   ", "  ", "  ", "10   ", "- 17/20 "}, true, "  1 dia-multa"},
        {{"   ", "12", "  ", "     ", kValidOperation}, false, kMonthsMessage},
        {{"1  ", "  ", "  ", "     ", "+ 0 /6  "}, false, kOperationMessage},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.second));
        CalcState reused;
        ASSERT_TRUE(RunFields(reused, plural).Ok);
        ASSERT_EQ(reused.YearWord, " anos");
        const CalcOutcome again = RunFields(reused, row.second);
        CalcState fresh;
        const CalcOutcome once = RunFields(fresh, row.second);
        EXPECT_EQ(again.Ok, row.ok);
        EXPECT_EQ(again.OutcomeText, row.text);
        EXPECT_EQ(once.OutcomeText, row.text);
        EXPECT_EQ(reused.YearWord, fresh.YearWord);
        EXPECT_EQ(reused.MonthWord, fresh.MonthWord);
        EXPECT_EQ(reused.DayWord, fresh.DayWord);
        EXPECT_EQ(reused.FineWord, fresh.FineWord);
        EXPECT_EQ(reused.OutYearsText, fresh.OutYearsText);
        EXPECT_EQ(reused.OutFinesText, fresh.OutFinesText);
        EXPECT_EQ(reused.DaysText, fresh.DaysText);
        EXPECT_EQ(reused.FinesText, fresh.FinesText);
        EXPECT_EQ(reused.OperationText, fresh.OperationText);
        EXPECT_EQ(reused.Fines, fresh.Fines);
        EXPECT_EQ(reused.Increase, fresh.Increase);
    }
}

// The record's own texts handed back in, as when a result is carried forward.
TEST(InputChecks, RecordTextsCanBeHandedBackIn) {
    const struct {
        Inputs first;
        std::string operation;
        std::string sentence;
    } rows[] = {
        {{"5  ", "  ", "  ", "10   ", "+ 1 /6  "},
         "- 1 /2  ",
         " 2 anos, 11 meses e  0 dia, e   5 dias-multa"},
        {{"1  ", "  ", "  ", "     ", "- 7 /6  "}, "+ 1 /1  ", "-0 ano, -4 m\xEAs e  0 dia"},
        {{"1 2", "  ", "  ", "     ", "+ 0 /6  "}, "x 2 /   ", "24 anos,  0 m\xEAs e  0 dia"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.first));
        CalcState state;
        RunFields(state, row.first);
        const bool carried = !state.OutYearsText.empty();
        std::string& years = carried ? state.OutYearsText : state.YearsText;
        std::string& months = carried ? state.OutMonthsText : state.MonthsText;
        std::string& days = carried ? state.OutDaysText : state.DaysText;
        std::string& fines = carried ? state.OutFinesText : state.FinesText;
        state.OperationText = row.operation;
        const CalcOutcome outcome =
            RunCalculation(state, years, months, days, fines, state.OperationText);
        EXPECT_TRUE(outcome.Ok);
        EXPECT_EQ(outcome.OutcomeText, row.sentence);
    }
}

// Arbitrary texts, as a program write could leave them: never an exception, and a number
// is accepted exactly when it is an optional sign and one to nine digits, with its value.
TEST(InputChecks, ArbitraryTextsAreCheckedNotMisread) {
    const std::string alphabet = std::string("0123456789   +-/xXa.,e\t\xB9\xE9") + '\0';
    const std::regex wholeNumber("[+-]?[0-9]{1,9}");
    std::mt19937 random(20240521u);
    std::uniform_int_distribution<std::size_t> length(0, 12);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string text(length(random), ' ');
        for (char& c : text) {
            c = alphabet[pick(random)];
        }
        std::string cleaned;
        for (char c : text) {
            if (c != ' ') {
                cleaned += c;
            }
        }
        const bool valid = cleaned.empty() || std::regex_match(cleaned, wholeNumber);
        SCOPED_TRACE(testing::Message() << "\"" << text << "\"");
        CalcState state;
        CalcOutcome outcome;
        ASSERT_NO_THROW(outcome = RunFields(state, {text, "  ", "  ", "     ", text}));
        EXPECT_EQ(state.YearsText, cleaned.empty() ? "0" : cleaned);
        if (!valid) {
            EXPECT_EQ(outcome.OutcomeText, kNumberMessage);
            EXPECT_EQ(outcome.FaultField, InputField::Years);
            EXPECT_EQ(state.Years, 0);
            continue;
        }
        EXPECT_EQ(state.Years, cleaned.empty() ? 0.0 : std::stod(cleaned));
        EXPECT_TRUE(outcome.Ok || outcome.OutcomeText == kOperationMessage);
    }
}

} // namespace
} // namespace zarn
