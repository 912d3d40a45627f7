#include "dates/CivilDate.h"
#include "dates/DateError.h"
#include "support/DateOracle.h"
#include "support/Sweep.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace zarn {
namespace {

using namespace zarn::testing;

constexpr int kDaysPer400Years = 146097;

CivilDate Civil(int year, int month, int day) {
    return CivilDate{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                     static_cast<std::uint16_t>(day)};
}

CivilDate CivilYearsOn(const chr::year_month_day& ymd, int extraYears) {
    return Civil(static_cast<int>(ymd.year()) + extraYears,
                 static_cast<int>(static_cast<unsigned>(ymd.month())),
                 static_cast<int>(static_cast<unsigned>(ymd.day())));
}

std::string Show(const CivilDate& c) {
    return std::to_string(c.Day) + "/" + std::to_string(c.Month) + "/" + std::to_string(c.Year);
}

DayNumber At(int year, int month, int day) {
    return DateFromCivil(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                         static_cast<std::uint16_t>(day));
}

void ExpectEncodeError(auto&& action) {
    try {
        action();
        ADD_FAILURE() << "no DateError raised";
    } catch (const DateError& error) {
        EXPECT_STREQ(error.what(), "Invalid argument to date encode");
    }
}

TEST(CivilDate, LeapYearsFollowTheGregorianRule) {
    struct Row {
        int year;
        bool leap;
    };
    const Row rows[] = {{2000, true}, {2008, true},  {1900, false}, {2009, false},
                        {1, false},   {4, true},     {100, false},  {400, true},
                        {1600, true}, {1700, false}, {9996, true},  {9999, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(LeapYear(static_cast<std::uint16_t>(row.year)), row.leap) << row.year;
    }
    for (int year = 0; year <= 65535; ++year) {
        ASSERT_EQ(LeapYear(static_cast<std::uint16_t>(year)), chr::year{year % 10000}.is_leap())
            << year;
    }
}

TEST(CivilDate, MonthLengthsComeFromTheRowOfTheYear) {
    struct Row {
        int year;
        int month;
        int length;
    };
    const Row rows[] = {{2008, 2, 29}, {2009, 2, 28}, {1900, 2, 28},   {2000, 2, 29},
                        {2009, 1, 31}, {2009, 4, 30}, {2008, 12, 31},  {2008, 11, 30},
                        {2008, 0, 0},  {2008, 13, 0}, {2008, 65535, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(MonthLength(static_cast<std::uint16_t>(row.year),
                              static_cast<std::uint16_t>(row.month)),
                  row.length)
            << row.month << "/" << row.year;
    }
}

TEST(CivilDate, ValidDatesAgreeWithTheStandardCalendar) {
    struct Row {
        int year;
        int month;
        int day;
        bool valid;
    };
    const Row rows[] = {{2008, 2, 29, true},   {2009, 2, 29, false}, {1900, 2, 29, false},
                        {2000, 2, 29, true},   {2008, 4, 31, false}, {1, 1, 1, true},
                        {9999, 12, 31, true},  {10000, 1, 1, false}, {0, 1, 1, false},
                        {2008, 0, 1, false},   {2008, 1, 0, false},  {2008, 13, 1, false},
                        {65535, 12, 31, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(CivilDateValid(static_cast<std::uint16_t>(row.year),
                                 static_cast<std::uint16_t>(row.month),
                                 static_cast<std::uint16_t>(row.day)),
                  row.valid)
            << row.day << "/" << row.month << "/" << row.year;
    }
    for (int year = 0; year <= 10000; year += (year > 20 && year < 9980) ? 7 : 1) {
        for (unsigned month = 0; month <= 13; ++month) {
            for (unsigned day = 0; day <= 32; ++day) {
                const bool expected =
                    year >= 1 && year <= 9999 &&
                    chr::year_month_day{chr::year{year}, chr::month{month}, chr::day{day}}.ok();
                ASSERT_EQ(CivilDateValid(static_cast<std::uint16_t>(year),
                                         static_cast<std::uint16_t>(month),
                                         static_cast<std::uint16_t>(day)),
                          expected)
                    << day << "/" << month << "/" << year;
            }
        }
    }
}

TEST(CivilDate, KnownDayNumbers) {
    struct Row {
        int year;
        int month;
        int day;
        DayNumber number;
    };
    const Row rows[] = {{1899, 12, 30, 0},       {1899, 12, 31, 1},    {1900, 1, 1, 2},
                        {1899, 12, 29, -1},      {2008, 2, 29, 39507}, {1, 1, 1, -693593},
                        {9999, 12, 31, 2958465}, {1970, 1, 1, 25569}};
    for (const Row& row : rows) {
        EXPECT_EQ(At(row.year, row.month, row.day), row.number);
        EXPECT_EQ(CivilFromDate(row.number), Civil(row.year, row.month, row.day));
    }
    EXPECT_EQ(At(1, 1, 1), kFirstDayNumber);
    EXPECT_EQ(At(9999, 12, 31), kLastDayNumber);
}

TEST(CivilDate, EveryDayOfTheValidRangeMatchesTheStandardCalendar) {
    int mismatches = 0;
    for (std::int64_t number = -693593; number <= 2958465 && mismatches < 5; ++number) {
        if (!InSweep(number)) {
            continue;
        }
        const chr::year_month_day expected = OracleCivil(number);
        const CivilDate civil = CivilFromDate(static_cast<DayNumber>(number));
        if (civil != CivilOf(expected)) {
            ++mismatches;
            ADD_FAILURE() << "day " << number << " split as " << Show(civil);
            continue;
        }
        if (At(civil.Year, civil.Month, civil.Day) != static_cast<DayNumber>(number)) {
            ++mismatches;
            ADD_FAILURE() << "date " << Show(civil) << " does not build day " << number;
        }
    }
}

TEST(CivilDate, InvalidCivilDatesDoNotBuildADayNumber) {
    struct Row {
        int year;
        int month;
        int day;
    };
    const Row rows[] = {{0, 1, 1},     {10000, 1, 1}, {2009, 2, 29}, {2008, 4, 31},
                        {2008, 13, 1}, {2008, 1, 0},  {2008, 0, 1},  {65535, 65535, 65535}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.day) + "/" + std::to_string(row.month) + "/" +
                     std::to_string(row.year));
        ExpectEncodeError([&] { At(row.year, row.month, row.day); });
    }
}

TEST(CivilDate, SplittingTakesTheWholePartTowardZero) {
    struct Row {
        DayNumber number;
        CivilDate expected;
    };
    const Row rows[] = {
        {39507.75, Civil(2008, 2, 29)}, {-0.5, Civil(1899, 12, 30)},
        {-1.25, Civil(1899, 12, 29)},   {0.999, Civil(1899, 12, 30)},
        {-693593.9, Civil(1, 1, 1)},    {2958465.5, Civil(9999, 12, 31)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CivilFromDate(row.number), row.expected) << row.number;
    }
}

TEST(CivilDate, DaysOutsideTheCalendarSplitAsNoDate) {
    const DayNumber rows[] = {-693594.0,
                              -1e9,
                              kLastSplittableDayNumber + 1,
                              1e300,
                              -1e300,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::lowest()};
    for (const DayNumber number : rows) {
        EXPECT_EQ(CivilFromDate(number), CivilDate{}) << number;
    }
}

TEST(CivilDate, TheCalendarGoesOnPastTheYear9999) {
    EXPECT_EQ(CivilFromDate(2958466), Civil(10000, 1, 1));
    EXPECT_EQ(CivilFromDate(kLastSplittableDayNumber), Civil(65535, 12, 31));
    // The standard calendar reaches the year 32767; beyond it, 400 years are always the
    // same number of days.
    constexpr int kShiftYears = 40000;
    constexpr std::int64_t kShiftDays = 100LL * kDaysPer400Years;
    int mismatches = 0;
    for (std::int64_t number = 2958466;
         number <= static_cast<std::int64_t>(kLastSplittableDayNumber) && mismatches < 5;
         number += 97) {
        const bool shifted = number > 10000000;
        const CivilDate expected = shifted
                                       ? CivilYearsOn(OracleCivil(number - kShiftDays), kShiftYears)
                                       : CivilOf(OracleCivil(number));
        const CivilDate civil = CivilFromDate(static_cast<DayNumber>(number));
        if (civil != expected) {
            ++mismatches;
            ADD_FAILURE() << "day " << number << " split as " << Show(civil) << ", expected "
                          << Show(expected);
        }
    }
}

TEST(CivilDate, AddDaysCountsWholeDays) {
    struct Row {
        DayNumber date;
        std::int32_t count;
        DayNumber expected;
    };
    const Row rows[] = {{39507, 1, 39508},
                        {39507, -39507, 0},
                        {kLastDayNumber, 1, 2958466},
                        {0, std::numeric_limits<std::int32_t>::min(), -2147483648.0},
                        {1.5, std::numeric_limits<std::int32_t>::max(), 2147483648.5}};
    for (const Row& row : rows) {
        EXPECT_EQ(AddDays(row.date, row.count), row.expected);
    }
    EXPECT_EQ(CivilFromDate(AddDays(At(2008, 2, 28), 1)), Civil(2008, 2, 29));
    EXPECT_EQ(CivilFromDate(AddDays(At(2008, 12, 31), 1)), Civil(2009, 1, 1));
}

struct ShiftRow {
    CivilDate start;
    std::int32_t count;
    CivilDate expected;
};

TEST(CivilDate, AddMonthsClampsTheDayToTheTargetMonth) {
    const ShiftRow rows[] = {
        {Civil(2008, 1, 31), 1, Civil(2008, 2, 29)},
        {Civil(2009, 1, 31), 1, Civil(2009, 2, 28)},
        {Civil(2008, 3, 31), 1, Civil(2008, 4, 30)},
        {Civil(2008, 11, 15), 3, Civil(2009, 2, 15)},
        {Civil(2008, 1, 15), 13, Civil(2009, 2, 15)},
        {Civil(2008, 1, 15), -1, Civil(2007, 12, 15)},
        {Civil(2008, 1, 15), -13, Civil(2006, 12, 15)},
        {Civil(2008, 2, 29), 12, Civil(2009, 2, 28)},
        {Civil(2008, 12, 31), 0, Civil(2008, 12, 31)},
        {Civil(2008, 12, 31), -12, Civil(2007, 12, 31)},
        {Civil(2008, 3, 31), -1, Civil(2008, 2, 29)},
        {Civil(1, 1, 1), 119987, Civil(9999, 12, 1)},
        {Civil(9999, 12, 31), -119987, Civil(1, 1, 31)},
    };
    for (const ShiftRow& row : rows) {
        const DayNumber shifted =
            AddMonths(At(row.start.Year, row.start.Month, row.start.Day), row.count);
        EXPECT_EQ(CivilFromDate(shifted), row.expected) << Show(row.start) << " + " << row.count;
    }
}

TEST(CivilDate, AddYearsIsTwelveMonthsAYear) {
    const ShiftRow rows[] = {
        {Civil(2008, 2, 29), 1, Civil(2009, 2, 28)},
        {Civil(2008, 2, 29), 4, Civil(2012, 2, 29)},
        {Civil(2008, 2, 29), -1, Civil(2007, 2, 28)},
        {Civil(2000, 3, 1), 8, Civil(2008, 3, 1)},
        {Civil(1, 1, 1), 9998, Civil(9999, 1, 1)},
        {Civil(9999, 12, 31), -9998, Civil(1, 12, 31)},
    };
    for (const ShiftRow& row : rows) {
        const DayNumber shifted =
            AddYears(At(row.start.Year, row.start.Month, row.start.Day), row.count);
        EXPECT_EQ(CivilFromDate(shifted), row.expected) << Show(row.start) << " + " << row.count;
    }
}

TEST(CivilDate, ShiftsThatLeaveTheYears1To9999Fail) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Row {
        DayNumber date;
        std::int32_t months;
        std::int32_t years;
    };
    const Row rows[] = {
        {kLastDayNumber, 1, 0},
        {kLastDayNumber, 0, 1},
        {kFirstDayNumber, -1, 0},
        {kFirstDayNumber, 0, -1},
        {39507, kMax, 0},
        {39507, kMin, 0},
        {39507, 0, kMax},
        {39507, 0, kMin},
        {39507, 0, 178956971},
        {39507, 0, -178956971},
        {39507, 12 * 8000, 0},
        {39507, 0, 7992},
        {2958466, 0, 0},
        {-693594, 0, 0},
        {-693594, 1, 0},
        {std::numeric_limits<double>::quiet_NaN(), 1, 0},
        {std::numeric_limits<double>::infinity(), 0, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.date) + " + " + std::to_string(row.months) + " months, " +
                     std::to_string(row.years) + " years");
        if (row.years == 0) {
            ExpectEncodeError([&] { AddMonths(row.date, row.months); });
        }
        if (row.months == 0) {
            ExpectEncodeError([&] { AddYears(row.date, row.years); });
        }
    }
    // From the year 10000 a month back returns into the calendar.
    EXPECT_EQ(CivilFromDate(AddMonths(2958466, -1)), Civil(9999, 12, 1));
}

TEST(CivilDate, ShiftsKeepTheTimeOfDay) {
    struct Row {
        DayNumber date;
        std::int32_t months;
        DayNumber expected;
    };
    const DayNumber feb29 = 39507;
    const Row rows[] = {{feb29 + 0.25, 12, At(2009, 2, 28) + 0.25},
                        {-1.25, 1, At(1900, 1, 29) + 0.25},
                        {0.5, -1, At(1899, 11, 30) - 0.5}};
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(AddMonths(row.date, row.months), row.expected) << row.date;
    }
}

void ExpectShiftMatchesOracle(const CivilDate& start, int count, int& mismatches) {
    const DayNumber date = At(start.Year, start.Month, start.Day);
    const std::optional<chr::sys_days> expected = MonthsOn(DayOf(date), count);
    try {
        const DayNumber shifted = AddMonths(date, count);
        if (!expected || shifted != DayNumberOf(*expected)) {
            ++mismatches;
            ADD_FAILURE() << Show(start) << " + " << count << " months gave "
                          << Show(CivilFromDate(shifted));
        }
    } catch (const DateError&) {
        if (expected) {
            ++mismatches;
            ADD_FAILURE() << Show(start) << " + " << count << " months failed";
        }
    }
}

TEST(CivilDate, AddMonthsMatchesTheStandardCalendarOverASweep) {
    int mismatches = 0;
    // Every day of three years around a leap year, by every count of up to two and a half
    // years either way.
    for (DayNumber date = At(2007, 1, 1); date <= At(2009, 12, 31) && mismatches < 5; ++date) {
        if (!InSweep(static_cast<long long>(date))) {
            continue;
        }
        for (int count = -30; count <= 30; ++count) {
            ExpectShiftMatchesOracle(CivilFromDate(date), count, mismatches);
        }
    }
    // Days spread over the whole range, by counts that reach and pass both ends of it.
    const int counts[] = {-120000, -119988, -60001, -1201, -13,  -12,   -11,    -1,    0,
                          1,       11,      12,     13,    1201, 60001, 119988, 120000};
    for (DayNumber date = kFirstDayNumber; date <= kLastDayNumber && mismatches < 5; date += 101) {
        if (!InSweep(static_cast<long long>(date) / 101)) {
            continue;
        }
        for (const int count : counts) {
            ExpectShiftMatchesOracle(CivilFromDate(date), count, mismatches);
        }
    }
}

} // namespace
} // namespace zarn
