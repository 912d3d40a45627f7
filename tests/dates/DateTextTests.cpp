#include "dates/CivilDate.h"
#include "dates/Clock.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/DateText.h"
#include "support/DateOracle.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace zarn {
namespace {

using testing::OracleDayNumber;

CivilDate Civil(int year, int month, int day) {
    return CivilDate{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                     static_cast<std::uint16_t>(day)};
}

// Today is 17/06/2026 unless a test says otherwise; settings as the given pattern.
class DateTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedSettings = DateSettings();
        SetTodayForTesting(Civil(2026, 6, 17));
        UseSettings('/', "dd/mm/yyyy");
    }
    void TearDown() override {
        DateSettings() = m_savedSettings;
        SetTodayForTesting(std::nullopt);
    }
    static void UseSettings(char separator, const std::string& pattern) {
        DateSettings() = DateSettingsRecord{separator, pattern};
    }

private:
    DateSettingsRecord m_savedSettings;
};

struct ReadRow {
    std::string text;
    int year;
    int month;
    int day;
};

void ExpectReads(const ReadRow& row) {
    try {
        EXPECT_EQ(ReadDateText(row.text),
                  OracleDayNumber(row.year, static_cast<unsigned>(row.month),
                                  static_cast<unsigned>(row.day)))
            << "'" << row.text << "'";
    } catch (const DateError& error) {
        ADD_FAILURE() << "'" << row.text << "' failed: " << error.what();
    }
}

void ExpectFails(const std::string& text) {
    try {
        ReadDateText(text);
        ADD_FAILURE() << "'" << text << "' was read";
    } catch (const DateError& error) {
        // The message is a C string, so a text holding a NUL shows up to it.
        const std::string expected = "'" + text + "' is not a valid date";
        EXPECT_STREQ(error.what(), expected.c_str());
    }
}

TEST_F(DateTextTest, DayFirstTextsThatRead) {
    const ReadRow rows[] = {
        {"01/05/2008", 2008, 5, 1},
        {"1/5/2008", 2008, 5, 1},
        {" 1/ 5/2008", 2008, 5, 1},
        {"1 /05/2008", 2008, 5, 1},
        {"01/05/08", 2008, 5, 1},
        {"01/05", 2026, 5, 1},
        {"01/05/2008/", 2008, 5, 1},
        {"01/05/2008 / ", 2008, 5, 1},
        {"  01 / 05 / 2008  ", 2008, 5, 1},
        {"29/02/2000", 2000, 2, 29},
        {"01/01/0001", 1, 1, 1},
        {"31/12/9999", 9999, 12, 31},
        {"01/05/008", 8, 5, 1},
        {"01/05/0008", 8, 5, 1},
        {"0001/05/2008", 2008, 5, 1},
        {"31/12", 2026, 12, 31},
        {"31/12  ", 2026, 12, 31},
        {"01/05/0", 2000, 5, 1},
    };
    for (const ReadRow& row : rows) {
        ExpectReads(row);
    }
}

TEST_F(DateTextTest, TextsThatDoNotRead) {
    const std::string rows[] = {"01/05/2 08",
                                "01-05-2008",
                                "31/04/2008",
                                "29/02/1900",
                                "",
                                " ",
                                "01",
                                "01/",
                                "/05/2008",
                                "01//2008",
                                "01/05/",
                                "31/12/",
                                "31/12 /",
                                "29/02",
                                "01/05/2008//",
                                "01/05/2008x",
                                "x01/05/2008",
                                "01/05/20080",
                                "00/05/2008",
                                "01/00/2008",
                                "01/13/2008",
                                "01/05/0000",
                                "+1/05/2008",
                                "-1/05/2008",
                                "01/05/2008 1",
                                "01.05.2008",
                                "\t01/05/2008",
                                std::string("01/05/2008\0", 11),
                                "01/05/\xB2\xB0\xB0\xB8",
                                "\xEA\xE9/05/2008",
                                "01/05/2008\xA0",
                                std::string(10000, '9'),
                                "01/" + std::string(5000, ' ') + "/2008"};
    for (const std::string& text : rows) {
        ExpectFails(text);
    }
}

TEST_F(DateTextTest, LeadingZerosDoNotEndANumber) {
    // A number takes digits while it is below 1000, so zeros never stop it and a long run
    // of them still makes a year of four digits or more.
    ExpectReads({"01/05/" + std::string(1000, '0') + "2008", 2008, 5, 1});
    ExpectReads({std::string(50, '0') + "1/05/2008", 2008, 5, 1});
}

TEST_F(DateTextTest, OrderFollowsTheFirstDayMonthOrYearLetterOfThePattern) {
    struct Row {
        char separator;
        std::string pattern;
        std::string text;
        int year;
        int month;
        int day;
    };
    const Row rows[] = {
        {'/', "dd/mm/yyyy", "05/03/2008", 2008, 3, 5},
        {'/', "m/d/yy", "05/03/2008", 2008, 5, 3},
        {'/', "M/d/yyyy", "12/31/2008", 2008, 12, 31},
        {'/', "yyyy/MM/dd", "2008/03/05", 2008, 3, 5},
        {'/', "yy/MM/dd", "08/03/05", 2008, 3, 5},
        {'-', "yyyy-MM-dd", "2008-03-05", 2008, 3, 5},
        {'.', "dd.MM.yyyy", "05.03.2008", 2008, 3, 5},
        {'.', "d.M.yy", "5.3.08", 2008, 3, 5},
        {'-', "dd-MMM-yyyy", "05-03-2008", 2008, 3, 5},
        {'/', "gg yyyy/MM/dd", "2008/03/05", 2008, 3, 5},
        {'/', "ee/MM/dd", "08/03/05", 2008, 3, 5},
        {'/', "", "03/05/2008", 2008, 3, 5},
        {'/', "??", "03/05/2008", 2008, 3, 5},
        // Without a year: day and month under a day-first pattern, month and day otherwise.
        {'/', "dd/mm/yyyy", "05/03", 2026, 3, 5},
        {'/', "m/d/yy", "05/03", 2026, 5, 3},
        {'/', "yyyy/MM/dd", "05/03", 2026, 5, 3},
        {'.', "dd.MM.yyyy", "05.03", 2026, 3, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pattern);
        UseSettings(row.separator, row.pattern);
        ExpectReads({row.text, row.year, row.month, row.day});
    }
}

TEST_F(DateTextTest, OtherSeparatorsReplaceTheSlash) {
    UseSettings('-', "dd-mm-yyyy");
    ExpectFails("01/05/2008");
    ExpectFails("01-05/2008");
    UseSettings('.', "dd.mm.yyyy");
    ExpectFails("01-05-2008");
    ExpectReads({" 1 . 5 . 2008 .", 2008, 5, 1});
}

TEST_F(DateTextTest, BlankSeparatorIsARunOfBlanks) {
    UseSettings(' ', "dd mm yyyy");
    ExpectReads({"01 05 2008", 2008, 5, 1});
    ExpectReads({" 1   5  2008 ", 2008, 5, 1});
    ExpectReads({"01 05", 2026, 5, 1});
    ExpectFails("01/05/2008");
    ExpectFails("01 ");
}

TEST_F(DateTextTest, OneAndTwoDigitYearsFallInTheHundredYearsAroundToday) {
    struct Row {
        int currentYear;
        std::string yearText;
        int year;
    };
    const Row rows[] = {
        {2026, "08", 2008}, {2026, "8", 2008},  {2026, "75", 2075}, {2026, "76", 1976},
        {2026, "00", 2000}, {2026, "99", 1999}, {2026, "008", 8},   {2026, "0075", 75},
        {2000, "50", 1950}, {2000, "49", 2049}, {1950, "00", 1900}, {1950, "99", 1999},
        {1999, "49", 1949}, {1999, "48", 2048}, {2051, "01", 2001}, {2051, "00", 2100},
        {30, "80", -20},    {30, "79", 79},     {49, "99", -1},     {49, "98", 98},
        {1, "51", -49},     {1, "50", 50},      {9999, "99", 9999}, {9999, "48", 10048},
        {9950, "00", 9900},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("current year " + std::to_string(row.currentYear));
        SetTodayForTesting(Civil(row.currentYear, 1, 1));
        const std::string text = "01/05/" + row.yearText;
        if (row.year > 9999 || row.year < 1) {
            ExpectFails(text);
        } else {
            ExpectReads({text, row.year, 5, 1});
        }
    }
}

TEST_F(DateTextTest, RegionalSettingsRuleUntilTheCalendarSetsItsOwn) {
    UseSettings('/', "M/d/yyyy");
    ExpectReads({"05/03/2008", 2008, 5, 3});
    UseCalendarDateSettings();
    ExpectReads({"05/03/2008", 2008, 3, 5});
}

TEST_F(DateTextTest, WritesDayMonthAndAtLeastFourYearDigits) {
    struct Row {
        DayNumber date;
        std::string text;
    };
    const Row rows[] = {
        {OracleDayNumber(2010, 3, 5), "05/03/2010"},
        {OracleDayNumber(1, 1, 1), "01/01/0001"},
        {OracleDayNumber(9999, 12, 31), "31/12/9999"},
        {OracleDayNumber(2008, 2, 29) + 0.75, "29/02/2008"},
        {OracleDayNumber(999, 10, 12), "12/10/0999"},
        {0, "30/12/1899"},
        {-0.5, "30/12/1899"},
        {kLastDayNumber + 1, "01/01/10000"},
        {kLastSplittableDayNumber, "31/12/65535"},
        {kFirstDayNumber - 1, "00/00/0000"},
        {kLastSplittableDayNumber + 1, "00/00/0000"},
        {std::numeric_limits<double>::quiet_NaN(), "00/00/0000"},
        {std::numeric_limits<double>::infinity(), "00/00/0000"},
        {-std::numeric_limits<double>::infinity(), "00/00/0000"},
        {1e308, "00/00/0000"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WriteDateText(row.date), row.text) << row.date;
    }
    UseSettings('-', "m/d/yy");
    EXPECT_EQ(WriteDateText(OracleDayNumber(2010, 3, 5)), "05-03-2010");
}

TEST_F(DateTextTest, WrittenDatesReadBackToTheSameDay) {
    for (DayNumber date = kFirstDayNumber; date <= kLastDayNumber; date += 373) {
        const std::string text = WriteDateText(date);
        ASSERT_EQ(ReadDateText(text), date) << text;
    }
}

} // namespace
} // namespace zarn
