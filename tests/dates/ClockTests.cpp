#include "dates/CivilDate.h"
#include "dates/Clock.h"
#include "support/DateOracle.h"

#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zarn {
namespace {

using testing::OracleDayNumber;

class ClockTest : public ::testing::Test {
protected:
    void TearDown() override { SetTodayForTesting(std::nullopt); }
};

TEST_F(ClockTest, AFixedDateIsTodayWithoutATimeOfDay) {
    struct Row {
        CivilDate today;
        DayNumber expected;
    };
    const Row rows[] = {{CivilDate{2026, 6, 17}, OracleDayNumber(2026, 6, 17)},
                        {CivilDate{2008, 2, 29}, 39507},
                        {CivilDate{1, 1, 1}, kFirstDayNumber},
                        {CivilDate{9999, 12, 31}, kLastDayNumber}};
    for (const Row& row : rows) {
        SetTodayForTesting(row.today);
        EXPECT_EQ(Today(), row.today);
        EXPECT_EQ(CurrentDate(), row.expected);
    }
}

TEST_F(ClockTest, AnInvalidFixedDateIsRefusedAndChangesNothing) {
    SetTodayForTesting(CivilDate{2008, 2, 29});
    const CivilDate rows[] = {{2009, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2008, 0, 1}, {}};
    for (const CivilDate& row : rows) {
        EXPECT_THROW(SetTodayForTesting(row), std::invalid_argument);
        EXPECT_EQ(CurrentDate(), 39507);
    }
}

TEST_F(ClockTest, WithoutAFixedDateTheSystemClockGivesToday) {
    SetTodayForTesting(std::nullopt);
    const DayNumber utcToday = testing::DayNumberOf(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    const CivilDate before = Today();
    const DayNumber today = CurrentDate();
    const CivilDate after = Today();
    // The local date is never more than a day away from the date in UTC (one more if
    // midnight passes between the readings).
    EXPECT_GE(today, utcToday - 1);
    EXPECT_LE(today, utcToday + 2);
    EXPECT_EQ(today, static_cast<double>(static_cast<long long>(today)));
    const CivilDate civil = CivilFromDate(today);
    EXPECT_TRUE(civil == before || civil == after);
}

} // namespace
} // namespace zarn
