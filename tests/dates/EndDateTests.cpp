#include "dates/Clock.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "support/DateOracle.h"
#include "support/Sweep.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace zarn {
namespace {

namespace chr = std::chrono;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(ReadWholeNumber, ReadsDecimalAndHexadecimalNumbers) {
    struct Row {
        std::string text;
        std::int32_t value;
        bool failed;
    };
    const Row rows[] = {
        // The documented examples.
        {" 5", 5, false},
        {"5 ", 5, true},
        {"-5", -5, false},
        {"-5a", 5, true},
        {"$A", 10, false},
        {"x1F", 31, false},
        {"007", 7, false},
        {"", 0, true},
        {"  ", 0, true},
        {"a", 0, true},
        // Signs and prefixes.
        {"+7", 7, false},
        {"  -12", -12, false},
        {"-0", 0, false},
        {"0", 0, false},
        {"0X1f", 31, false},
        {"0xff", 255, false},
        {"X10", 16, false},
        {"$0000000000000001", 1, false},
        {"-", 0, true},
        {"+", 0, true},
        {"$", 0, true},
        {"x", 0, true},
        {"X", 0, true},
        {"0x", 0, true},
        {"  0X", 0, true},
        {"- 5", 0, true},
        {"-$A", 0, true},
        {"+x1", 0, true},
        {"-0x1", 0, true},
        // The first character that is no digit of the base ends the reading.
        {"12 3", 12, true},
        {"1a", 1, true},
        {"1.5", 1, true},
        {"1e3", 1, true},
        {"$g", 0, true},
        {"$1g", 1, true},
        {"$1 ", 1, true},
        {"x1G", 1, true},
        {"0XaF_", 175, true},
        {"$f@", 15, true},
        {"00x1", 0, true},
        {"0x1x", 1, true},
        {"\t5", 0, true},
        {"5\xB5", 5, true},
        {"\xB5", 0, true},
        {std::string("7\0", 2), 7, true},
        // The signed 32-bit range, at both ends.
        {"2147483647", kMax, false},
        {"+2147483647", kMax, false},
        {"-2147483648", kMin, false},
        {"2147483648", 214748364, true},
        {"+2147483648", 214748364, true},
        {"-2147483649", 214748364, true},
        {"$7FFFFFFF", kMax, false},
        {"$80000000", 0x8000000, true},
        {"0xFFFFFFFF", 0xFFFFFFF, true},
        {"99999999999999999999", 999999999, true},
        {"00000000000000000000042", 42, false},
        {"-2147483648 ", kMax, true},
    };
    for (const Row& row : rows) {
        const WholeNumberReading reading = ReadWholeNumber(row.text);
        EXPECT_EQ(reading.Value, row.value) << "'" << row.text << "'";
        EXPECT_EQ(reading.Failed, row.failed) << "'" << row.text << "'";
    }
}

TEST(ReadWholeNumber, ReadsWhatTheStandardLibraryWrites) {
    int mismatches = 0;
    for (std::int64_t value = kMin; value <= kMax && mismatches < 5; value += 65521) {
        for (const std::int64_t v : {value, -value}) {
            if (v < kMin || v > kMax) {
                continue;
            }
            const std::string decimal = std::to_string(v);
            const WholeNumberReading fromDecimal = ReadWholeNumber(decimal);
            if (fromDecimal.Failed || fromDecimal.Value != v) {
                ++mismatches;
                ADD_FAILURE() << decimal;
            }
            if (v < 0) {
                continue;
            }
            char hex[32];
            std::snprintf(hex, sizeof hex, "$%llX", static_cast<unsigned long long>(v));
            const WholeNumberReading fromHex = ReadWholeNumber(hex);
            if (fromHex.Failed || fromHex.Value != v) {
                ++mismatches;
                ADD_FAILURE() << hex;
            }
        }
    }
}

// Today is in 2026 and the calendar's date settings are in force unless a test says
// otherwise.
class EndDateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedSettings = DateSettings();
        SetTodayForTesting(CivilDate{2026, 6, 17});
        UseCalendarDateSettings();
    }
    void TearDown() override {
        DateSettings() = m_savedSettings;
        SetTodayForTesting(std::nullopt);
    }

private:
    DateSettingsRecord m_savedSettings;
};

struct EndDateRow {
    std::string start;
    std::string years;
    std::string months;
    std::string days;
    std::string expected;
};

void ExpectEndDate(const EndDateRow& row) {
    SCOPED_TRACE("'" + row.start + "' + '" + row.years + "' years, '" + row.months + "' months, '" +
                 row.days + "' days");
    try {
        const EndDateOutcome outcome = ComputeEndDate(row.years, row.months, row.days, row.start);
        EXPECT_EQ(outcome.Text, row.expected);
        EXPECT_EQ(outcome.IsError, row.expected == kEndDateErrorMark);
    } catch (const DateError& error) {
        ADD_FAILURE() << "raised " << error.what();
    }
}

TEST_F(EndDateTest, WorkedExamples) {
    const EndDateRow rows[] = {
        {"01/01/2008", "1", "0", "0", "31/12/2008"},
        {"15/03/2008", "2", "3", "10", "24/06/2010"},
        {"05/08/2010", "12", "6", "15", "19/02/2023"},
        {"10/10/2010", "5", "11", "29", "07/10/2016"},
        {"31/12/2008", "0", "0", "1", "31/12/2008"},
        {"31/01/2008", "0", "1", "0", "28/02/2008"},
        {"31/01/2009", "0", "1", "0", "27/02/2009"},
        {"20/01/2009", "0", "1", "10", "27/02/2009"},
        {"31/01/2008", "0", "0", "31", "01/03/2008"},
        {"29/02/2008", "1", "0", "0", "27/02/2009"},
        {"29/02/2008", "4", "0", "0", "28/02/2012"},
        {"01/03/2000", "8", "", "", "29/02/2008"},
        {"01/01/2008", "", "", "5", "05/01/2008"},
        {"01/01/2008", "", "", "", "Erro!"},
        {"01/01/2008", "0", "0", "0", "Erro!"},
        {"01/01/2008", "1 ", "", "", "Erro!"},
        {"01/01/2008", "1 ", "0", "", "31/12/2008"},
        {"10/01/2008", "-5", "", "", "09/01/2008"},
        {"01/01/2008", "$A", "", "3", "03/01/2018"},
        {"31/04/2008", "1", "0", "0", "Erro!"},
        {"29/02/2009", "1", "0", "0", "Erro!"},
        {"01/05/08  ", "0", "0", "1", "01/05/2008"},
        {"01/05/00  ", "0", "0", "1", "Erro!"},
        {"  /  /    ", "1", "0", "0", "Erro!"},
    };
    for (const EndDateRow& row : rows) {
        ExpectEndDate(row);
    }
}

TEST_F(EndDateTest, StartSlicesAndTermTexts) {
    const EndDateRow rows[] = {
        // One digit and a space, in either order, is that digit.
        {"1 /5 /2008", "0", "0", "1", "01/05/2008"},
        {" 1/ 5/2008", "0", "0", "1", "01/05/2008"},
        {"01/05/ 2008", "0", "0", "1", "01/05/2008"},
        // An empty slice is 0, which no date has.
        {"  /05/2008", "1", "0", "0", "Erro!"},
        {"01/  /2008", "1", "0", "0", "Erro!"},
        {"01/05/    ", "1", "0", "0", "Erro!"},
        {"", "1", "0", "0", "Erro!"},
        {"01/05", "1", "0", "0", "Erro!"},
        {"-1/05/2008", "1", "0", "0", "Erro!"},
        {"01/-1/2008", "1", "0", "0", "Erro!"},
        {"01/05/-999", "1", "0", "0", "Erro!"},
        {"01/05/0000", "1", "0", "0", "Erro!"},
        {"32/01/2008", "1", "0", "0", "Erro!"},
        {"01/13/2008", "1", "0", "0", "Erro!"},
        // The term texts: failures count only when all three fail; negative values are
        // not applied but count as a term.
        {"10/01/2008", "", "-1", "", "09/01/2008"},
        {"10/01/2008", "a", "b", "c", "Erro!"},
        {"10/01/2008", "1 ", "2 ", "3 ", "Erro!"},
        {"10/01/2008", "1 ", "", "0", "09/01/2009"},
        {"10/01/2008", "", "0", "2a", "11/01/2008"},
        {"10/01/2008", "", "", "2a", "Erro!"},
        {"10/01/2008", "-0", "", "", "Erro!"},
        {"10/01/2008", "0x10", "", "", "09/01/2024"},
        {"01/01/2008", "", "12", "", "31/12/2008"},
        {"01/01/2008", "", "", "366", "31/12/2008"},
        {"01/01/2008", "-1", "-1", "-1", "31/12/2007"},
        // A whole-year term from 29 February ends on 27 February of a common target year.
        {"29/02/2008", "2", "0", "0", "27/02/2010"},
        {"29/02/2000", "100", "0", "0", "27/02/2100"},
        {"29/02/2000", "400", "0", "0", "28/02/2400"},
    };
    for (const EndDateRow& row : rows) {
        ExpectEndDate(row);
    }
}

TEST_F(EndDateTest, EndDatesOutsideTheCalendarAreErrors) {
    const EndDateRow rows[] = {
        {"31/12/9999", "", "", "1", "31/12/9999"},    {"31/12/9999", "", "", "2", "Erro!"},
        {"01/01/9999", "", "", "$7FFFFFFF", "Erro!"}, {"01/01/0001", "", "", "1", "01/01/0001"},
        {"01/01/0001", "-5", "", "", "Erro!"},        {"01/12/9999", "", "", "31", "31/12/9999"},
        {"01/01/9999", "", "11", "30", "30/12/9999"},
    };
    for (const EndDateRow& row : rows) {
        ExpectEndDate(row);
    }
}

TEST_F(EndDateTest, UnreadableStartsAndShiftsPastTheYear9999RaiseErrors) {
    const EndDateRow rows[] = {
        {"01/05/2 08", "1", "", "", "'01/05/2 08' is not a valid date"},
        {"01/05/2008x", "1", "", "", "'01/05/2008x' is not a valid date"},
        {"31/12/9999", "", "1", "", "Invalid argument to date encode"},
        {"01/12/9999", "1", "", "", "Invalid argument to date encode"},
        {"25/12/9999", "", "1", "7", "Invalid argument to date encode"},
        {"01/01/2008", "2147483647", "", "", "Invalid argument to date encode"},
        {"01/01/2008", "", "2147483647", "", "Invalid argument to date encode"},
        // The shifts run before the term is judged, so they fail even where the term
        // alone would give "Erro!".
        {"31/12/9999", "1 ", "", "", "Invalid argument to date encode"},
    };
    for (const EndDateRow& row : rows) {
        SCOPED_TRACE(row.start);
        try {
            ComputeEndDate(row.years, row.months, row.days, row.start);
            ADD_FAILURE() << "no DateError raised";
        } catch (const DateError& error) {
            EXPECT_EQ(std::string(error.what()), row.expected);
        }
    }
}

TEST_F(EndDateTest, TheStartIsReadUnderTheSettingsInForceAndTheEndWrittenUnderTheCalendars) {
    DateSettings() = DateSettingsRecord{'/', "m/d/yy"};
    ExpectEndDate({"01/05/2008", "", "", "1", "05/01/2008"});
    EXPECT_EQ(DateSettings().Separator, '/');
    EXPECT_EQ(DateSettings().Pattern, "dd/mm/yyyy");

    DateSettings() = DateSettingsRecord{'/', "m/d/yy"};
    ExpectEndDate({"01/05/2008", "", "", "", "Erro!"});
    EXPECT_EQ(DateSettings().Pattern, "m/d/yy");

    DateSettings() = DateSettingsRecord{'-', "dd-mm-yyyy"};
    EXPECT_THROW(ComputeEndDate("1", "", "", "01/05/2008"), DateError);
    EXPECT_EQ(DateSettings().Pattern, "dd-mm-yyyy");
}

TEST_F(EndDateTest, MatchesTheStandardCalendarOverASweep) {
    const chr::sys_days first{chr::year{1996} / 1 / 1};
    const chr::sys_days last{chr::year{2012} / 12 / 31};
    const int yearCounts[] = {0, 1, 4, 30};
    const int monthCounts[] = {0, 1, 2, 11, 13};
    const int dayCounts[] = {0, 1, 15, 29, 30, 31, 400};
    int mismatches = 0;
    long long caseNumber = 0;
    for (chr::sys_days start = first; start <= last && mismatches < 5; start += chr::days{3}) {
        if (!testing::InSweep(caseNumber++)) {
            continue;
        }
        const std::string startText = testing::DateText(start);
        for (const int years : yearCounts) {
            for (const int months : monthCounts) {
                for (const int days : dayCounts) {
                    if (years == 0 && months == 0 && days == 0) {
                        continue;
                    }
                    const std::string expected =
                        testing::DateText(*testing::OracleEndDate(start, years, months, days));
                    const EndDateOutcome outcome =
                        ComputeEndDate(std::to_string(years), std::to_string(months),
                                       std::to_string(days), startText);
                    if (outcome.IsError || outcome.Text != expected) {
                        ++mismatches;
                        ADD_FAILURE()
                            << startText << " + " << years << "y " << months << "m " << days
                            << "d gave " << outcome.Text << ", expected " << expected;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace zarn
