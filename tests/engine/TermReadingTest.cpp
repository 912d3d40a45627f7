// A term read with the calculator's field rules, against the 360/30 count done here, and
// the term of the last Calcula that the analysis windows start from.

#include "engine/TermReading.h"

#include "engine/Calculation.h"
#include "engine/Texts.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarn {
namespace {

TEST(TermReading, CountsTheTermOrGivesTheCalculatorsMessage) {
    struct Row {
        const char* years;
        const char* months;
        const char* days;
        std::optional<long long> expectedDays; // none: refused
        std::string_view error;
        InputField field;
    };
    const Row rows[] = {
        {"5  ", "  ", "  ", 5 * 360, {}, InputField::Years},
        {"1  ", "6 ", "  ", 360 + 6 * 30, {}, InputField::Years},
        {" 1 ", "11", "29", 360 + 11 * 30 + 29, {}, InputField::Years},
        {"999", "11", "29", 999 * 360 + 11 * 30 + 29, {}, InputField::Years},
        {"   ", "  ", "  ", 0, {}, InputField::Years},
        {"1 2", "  ", "  ", 12 * 360, {}, InputField::Years}, // blanks dropped, as Calcula does
        {"   ", "12", "  ", std::nullopt, kMonthsTooLargeMessage, InputField::Months},
        {"   ", "  ", "30", std::nullopt, kDaysTooLargeMessage, InputField::Days},
        {"x  ", "  ", "  ", std::nullopt, kInvalidNumberMessage, InputField::Years},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.years) + "|" + row.months + "|" + row.days);
        const TermReading reading = ReadTerm(row.years, row.months, row.days);
        EXPECT_EQ(reading.Ok, row.expectedDays.has_value());
        if (row.expectedDays) {
            EXPECT_EQ(reading.Days, *row.expectedDays);
        } else {
            EXPECT_EQ(reading.Error, row.error);
            EXPECT_EQ(reading.FaultField, row.field);
        }
    }
}

TEST(TermReading, LastResultIsTheTermContinuaWouldCarry) {
    using Term = std::array<std::string, 3>;
    struct Row {
        const char* name;
        std::array<const char*, 5> fields; // years, months, days, day-fines, operation
        std::optional<Term> expected;
    };
    const Row rows[] = {
        {"increase", {"5  ", "  ", "  ", "10   ", "+ 1 /6  "}, Term{"5", "10", ""}},
        {"days only", {"   ", "  ", "20", "     ", "x 1 /   "}, Term{"", "", "20"}},
        {"input error", {"   ", "12", "  ", "     ", "+ 1 /6  "}, std::nullopt},
        {"years wider than the field", {"999", "  ", "  ", "     ", "x 2 /   "}, std::nullopt},
        {"negative result", {"1  ", "  ", "  ", "     ", "- 7 /6  "}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalcState state;
        RunCalculation(state, row.fields[0], row.fields[1], row.fields[2], row.fields[3],
                       row.fields[4]);
        const CalcState before = state;
        EXPECT_EQ(LastResultTerm(state), row.expected);
        EXPECT_EQ(state.OutYearsText, before.OutYearsText); // only read
    }
    EXPECT_EQ(LastResultTerm(CalcState{}), std::nullopt);
}

} // namespace
} // namespace zarn
