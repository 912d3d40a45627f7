#include "notices/Notices.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace zarn {
namespace {

// The generator step written out independently: the seed after its update, computed in
// 64 bits and reduced modulo 2^32 by division.
std::uint64_t StepOracle(std::uint64_t seed) {
    return (seed * 134775813ull + 1ull) % 4294967296ull;
}

// floor(n * x / 2^32) by long division on exact integers.
std::uint64_t BelowOracle(std::uint64_t x, std::uint64_t n) {
    return (x * n) / 4294967296ull;
}

class NoticeClockTest : public ::testing::Test {
protected:
    void TearDown() override { SetNoticeClock({}); }

    void UseFixedClock(std::uint32_t ms) {
        SetNoticeClock([ms] { return ms; });
    }
    void UseClockSequence(std::vector<std::uint32_t> values) {
        auto next = std::make_shared<std::size_t>(0);
        SetNoticeClock([values, next] { return values[(*next)++ % values.size()]; });
    }
};

TEST_F(NoticeClockTest, MidnightGivesThePositionOneInBlackOnSilver) {
    UseFixedClock(0);
    const NoticeChoice choice = ChooseNotice();
    EXPECT_EQ(choice.NoticeDraw, 0);
    EXPECT_EQ(choice.TextColorIndex, 0);
    EXPECT_EQ(choice.BackColorIndex, 0);
    EXPECT_EQ(NoticePosition(choice.NoticeDraw), 1);
    EXPECT_EQ(choice.NoticeTextColor, 0x000000u);
    EXPECT_EQ(choice.NoticeBackColor, 0xC0C0C0u);
    EXPECT_EQ(NoticeSeed(), 1u) << "every draw starts from seed 0 and leaves X = 1";
}

TEST_F(NoticeClockTest, SameClockDrawsAreCorrelatedAcrossTheDay) {
    // Which text colour index and which backgrounds each position may show when the three
    // seedings of one choice read the same clock value.
    const std::vector<int> textIndexOfPosition = {-1, 0, 0, 1, 0, 1, 1, 2, 2, 2};
    const std::vector<std::set<int>> backsOfPosition = {{},  {0},    {0},    {2}, {0, 1},
                                                        {1}, {1, 2}, {2, 3}, {3}, {3}};
    std::set<int> positionsSeen;
    for (std::uint32_t ms = 0; ms < 86'400'000u; ms += 7'919u) {
        UseFixedClock(ms);
        const NoticeChoice choice = ChooseNotice();
        const std::uint64_t x = StepOracle(ms);
        ASSERT_EQ(static_cast<std::uint64_t>(choice.NoticeDraw), BelowOracle(x, 9)) << ms;
        ASSERT_EQ(static_cast<std::uint64_t>(choice.TextColorIndex), BelowOracle(x, 3)) << ms;
        ASSERT_EQ(static_cast<std::uint64_t>(choice.BackColorIndex), BelowOracle(x, 4)) << ms;
        ASSERT_EQ(choice.TextColorIndex, choice.NoticeDraw / 3) << ms;
        const int position = NoticePosition(choice.NoticeDraw);
        positionsSeen.insert(position);
        ASSERT_EQ(choice.TextColorIndex, textIndexOfPosition[static_cast<std::size_t>(position)])
            << "position " << position;
        ASSERT_TRUE(
            backsOfPosition[static_cast<std::size_t>(position)].count(choice.BackColorIndex))
            << "position " << position << " on background " << choice.BackColorIndex;
    }
    EXPECT_EQ(positionsSeen.size(), 9u);
}

TEST_F(NoticeClockTest, EachDrawIsTheFirstAfterItsOwnSeeding) {
    struct Row {
        std::uint32_t first, second, third;
    };
    const std::vector<Row> rows = {
        {0, 0, 0}, {1, 2, 3}, {86'399'999, 0, 43'200'000}, {12'345'678, 12'345'679, 5}};
    for (const Row& row : rows) {
        UseClockSequence({row.first, row.second, row.third});
        const NoticeChoice choice = ChooseNotice();
        EXPECT_EQ(static_cast<std::uint64_t>(choice.NoticeDraw),
                  BelowOracle(StepOracle(row.first), 9));
        EXPECT_EQ(static_cast<std::uint64_t>(choice.TextColorIndex),
                  BelowOracle(StepOracle(row.second), 3));
        EXPECT_EQ(static_cast<std::uint64_t>(choice.BackColorIndex),
                  BelowOracle(StepOracle(row.third), 4));
        EXPECT_EQ(choice.NoticeTextColor,
                  kNoticeTextColors[static_cast<std::size_t>(choice.TextColorIndex)]);
        EXPECT_EQ(choice.NoticeBackColor,
                  kNoticeBackColors[static_cast<std::size_t>(choice.BackColorIndex)]);
    }
}

TEST(NoticeRandomTest, SuccessiveDrawsFollowTheGenerator) {
    const std::vector<std::uint32_t> limits = {9, 3, 4, 1, 1000, 0xFFFFFFFFu};
    for (std::uint32_t start : {0u, 1u, 86'399'999u, 0xFFFFFFFFu}) {
        NoticeSeed() = start;
        std::uint64_t oracleSeed = start;
        for (std::uint32_t n : limits) {
            oracleSeed = StepOracle(oracleSeed);
            const std::uint32_t drawn = DrawBelow(n);
            EXPECT_EQ(drawn, BelowOracle(oracleSeed, n)) << start << " below " << n;
            EXPECT_LT(drawn, n);
            EXPECT_EQ(NoticeSeed(), oracleSeed);
        }
    }
}

TEST(NoticeRandomTest, SystemClockStaysWithinOneDay) {
    EXPECT_LT(SystemMillisecondsSinceMidnightUtc(), 86'400'000u);
}

TEST(NoticeColorTest, TablesHoldTheGivenValues) {
    EXPECT_EQ(kNoticeTextColors, (std::array<ColorValue, 3>{0x000000u, 0xFF0000u, 0x0000FFu}));
    EXPECT_EQ(kNoticeBackColors,
              (std::array<ColorValue, 4>{0xC0C0C0u, 0xFFFFFFu, 0x80000005u, 0x80000004u}));
    struct Row {
        ColorValue color;
        bool system;
        int index, red, green, blue;
    };
    const std::vector<Row> rows = {
        {0x000000u, false, 0, 0, 0, 0},   {0xFF0000u, false, 0, 0, 0, 255},
        {0x0000FFu, false, 0, 255, 0, 0}, {0x123456u, false, 0, 0x56, 0x34, 0x12},
        {0x80000005u, true, 5, 5, 0, 0},  {0x80000004u, true, 4, 4, 0, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(IsSystemColor(row.color), row.system) << row.color;
        if (row.system) {
            EXPECT_EQ(SystemColorIndex(row.color), row.index);
        }
        EXPECT_EQ(RedOf(row.color), row.red);
        EXPECT_EQ(GreenOf(row.color), row.green);
        EXPECT_EQ(BlueOf(row.color), row.blue);
    }
}

TEST(NoticeLinesTest, DrawsMapOntoEveryPositionOnce) {
    const std::vector<int> expected = {1, 2, 4, 5, 6, 3, 7, 8, 9};
    std::set<int> seen;
    for (int draw = 0; draw < kNoticeCount; ++draw) {
        EXPECT_EQ(NoticePosition(draw), expected[static_cast<std::size_t>(draw)]);
        seen.insert(NoticePosition(draw));
    }
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_THROW(NoticePosition(9), std::out_of_range);
    EXPECT_THROW(NoticePosition(-1), std::out_of_range);
    EXPECT_THROW(NoticeLine(0), std::out_of_range);
    EXPECT_THROW(NoticeLine(10), std::out_of_range);
}

// Nine lines, each its given run of leading spaces and then one sentence that names a book:
// its title between the only two double quotes, then its author and publisher.
TEST(NoticeLinesTest, NineOneSentenceBookNoticesAfterTheirLeadingSpaces) {
    const std::array<std::size_t, kNoticeCount> leadingSpaces = {10, 10, 8, 7, 12, 15, 10, 17, 6};
    ASSERT_EQ(NoticeLines().size(), leadingSpaces.size());
    std::set<std::string> distinct;
    for (int position = 1; position <= kNoticeCount; ++position) {
        const std::string& line = NoticeLine(position);
        SCOPED_TRACE(line);
        EXPECT_EQ(line.find_first_not_of(' '),
                  leadingSpaces[static_cast<std::size_t>(position - 1)]);
        EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 2);
        const std::size_t titleEnd = line.rfind('"');
        EXPECT_GT(titleEnd, line.find('"') + 1) << "a title between the quotes";
        EXPECT_GT(line.size(), titleEnd + 4) << "the author and publisher after the title";
        EXPECT_EQ(line.back(), '.');
        EXPECT_EQ(std::count(line.begin(), line.end(), '.'), 1) << "one sentence";
        EXPECT_EQ(line.find('\n'), std::string::npos);
        distinct.insert(line);
    }
    EXPECT_EQ(distinct.size(), leadingSpaces.size());
}

} // namespace
} // namespace zarn
