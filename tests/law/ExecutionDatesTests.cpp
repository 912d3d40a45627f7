#include "dates/CivilDate.h"
#include "law/ExecutionDates.h"
#include "law/LawTexts.h"
#include "support/DateOracle.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace zarn {
namespace {

namespace chr = std::chrono;

constexpr long long kYear = 360;
constexpr long long kMonth = 30;

DayNumber Date(int year, unsigned month, unsigned day) {
    return testing::OracleDayNumber(year, month, day);
}

chr::year_month_day Civil(DayNumber date) {
    return chr::year_month_day{testing::DayOf(date)};
}

// The standard library's calendar laying a span of the 360/30 base: the days, then the
// months, then the years; or, in calendar days, the days alone.
DayNumber OracleLay(DayNumber from, long long days, CountingConvention convention) {
    if (convention == CountingConvention::CalendarDays) {
        return from + static_cast<DayNumber>(days);
    }
    return testing::DayNumberOf(*testing::OracleLaidTerm(testing::DayOf(from), days / kYear,
                                                         days % kYear / kMonth, days % kMonth));
}

ExecutionRequest Request(long long term, DayNumber start, long long detracao = 0,
                         long long remicao = 0) {
    ExecutionRequest request;
    request.TermDays = term;
    request.Start = start;
    request.Facts.DetracaoDays = detracao;
    request.RemicaoDays = remicao;
    return request;
}

struct Expected {
    Regime to;
    long long days;
    DayNumber from;
};

void ExpectProgressions(const ExecutionDates& dates, const std::vector<Expected>& expected) {
    ASSERT_EQ(dates.Progressions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dates.Progressions[i].To, expected[i].to);
        EXPECT_EQ(dates.Progressions[i].Due.FractionDays, expected[i].days);
        EXPECT_EQ(Civil(dates.Progressions[i].Due.DueFrom), Civil(expected[i].from));
    }
}

// Six years from 10/01/2021, a first offence without violence: semiaberto, inciso I.
TEST(ExecutionDates, SixYearsFromTenthOfJanuaryWithAndWithoutDeductions) {
    struct Row {
        long long detracao;
        long long remicao;
        DayNumber progression;
        DayNumber parole;
        DayNumber lastDay;
    };
    const Row rows[] = {
        {0, 0, Date(2021, 12, 25), Date(2023, 1, 10), Date(2027, 1, 9)},
        {30, 15, Date(2021, 11, 10), Date(2022, 11, 25), Date(2026, 11, 24)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.detracao);
        const ExecutionOutcome outcome =
            ComputeExecutionDates(Request(6 * kYear, Date(2021, 1, 10), row.detracao, row.remicao));
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        const ExecutionDates& dates = outcome.Dates;
        EXPECT_EQ(dates.Initial, Regime::Semiaberto);
        ExpectProgressions(dates, {{Regime::Aberto, 345, row.progression}});
        ASSERT_TRUE(dates.Parole.has_value());
        EXPECT_EQ(FractionText(dates.Parole->Share), "1/3");
        EXPECT_EQ(dates.Parole->FractionDays, 720);
        EXPECT_EQ(Civil(dates.Parole->DueFrom), Civil(row.parole));
        EXPECT_EQ(Civil(dates.LastDay), Civil(row.lastDay));
    }
}

// Nine years start in fechado: the second progression takes 16% of what the first left,
// from the first's date; detracao beyond the first progression shortens the second.
TEST(ExecutionDates, FechadoHasTwoProgressionsTheSecondOnTheRemainingTerm) {
    const DayNumber start = Date(2020, 3, 1);
    struct Row {
        long long detracao;
        std::vector<Expected> progressions;
        DayNumber parole;
        DayNumber lastDay;
    };
    const Row rows[] = {
        {0,
         {{Regime::Semiaberto, 518, Date(2021, 8, 9)}, {Regime::Aberto, 435, Date(2022, 10, 24)}},
         Date(2023, 3, 1),
         Date(2029, 2, 28)},
        {600,
         {{Regime::Semiaberto, 518, start}, {Regime::Aberto, 435, Date(2021, 2, 24)}},
         Date(2021, 7, 1),
         Date(2027, 6, 30)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.detracao);
        ExecutionRequest request = Request(9 * kYear, start, row.detracao);
        request.InitialRegime =
            Regime::Fechado; // with the detracao the term alone gives semiaberto
        const ExecutionOutcome outcome = ComputeExecutionDates(request);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        EXPECT_EQ(outcome.Dates.Initial, Regime::Fechado);
        ExpectProgressions(outcome.Dates, row.progressions);
        ASSERT_TRUE(outcome.Dates.Parole.has_value());
        EXPECT_EQ(Civil(outcome.Dates.Parole->DueFrom), Civil(row.parole));
        EXPECT_EQ(Civil(outcome.Dates.LastDay), Civil(row.lastDay));
    }
}

// Across terms, starts, regimes, conventions and deductions, every date is the calendar's
// own laying of the span the rules give.
TEST(ExecutionDates, EveryDateIsTheSpanLaidByTheCalendarOracle) {
    const DayNumber starts[] = {Date(2021, 1, 10), Date(2008, 1, 31), Date(2008, 2, 29),
                                Date(1999, 12, 31)};
    const long long terms[] = {1,         29, 2 * kYear - 1, 2 * kYear, 6 * kYear + 7 * kMonth + 13,
                               25 * kYear};
    const long long deductions[] = {0, 45, 400, 20000};
    for (const CountingConvention convention :
         {CountingConvention::Base360, CountingConvention::CalendarDays}) {
        for (const Regime regime : {Regime::Fechado, Regime::Semiaberto, Regime::Aberto}) {
            for (const DayNumber start : starts) {
                for (const long long term : terms) {
                    for (const long long deducted : deductions) {
                        SCOPED_TRACE(std::to_string(term) + " days less " +
                                     std::to_string(deducted) + " from day " +
                                     std::to_string(start));
                        ExecutionRequest request = Request(term, start, deducted / 3);
                        request.RemicaoDays = deducted - deducted / 3;
                        request.Convention = convention;
                        request.InitialRegime = regime;
                        const ExecutionOutcome outcome = ComputeExecutionDates(request);
                        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
                        const ExecutionDates& dates = outcome.Dates;
                        if (deducted >= term) {
                            EXPECT_TRUE(dates.FullyServed);
                            EXPECT_TRUE(dates.Progressions.empty());
                            EXPECT_FALSE(dates.Parole.has_value());
                            continue;
                        }

                        const long long counted =
                            convention == CountingConvention::Base360
                                ? term
                                : static_cast<long long>(
                                      OracleLay(start, term, CountingConvention::Base360) - start);
                        EXPECT_EQ(dates.CountedDays, counted);
                        // In calendar days the whole term is laid, then the deductions
                        // taken off in days.
                        const DayNumber lastDay =
                            convention == CountingConvention::Base360
                                ? OracleLay(start, term - deducted, convention) - 1
                                : OracleLay(start, term, CountingConvention::Base360) - 1 -
                                      static_cast<DayNumber>(deducted);
                        EXPECT_EQ(Civil(dates.LastDay), Civil(lastDay));

                        long long left = deducted;
                        long long remaining = counted;
                        DayNumber from = start;
                        const std::size_t count = regime == Regime::Fechado      ? 2
                                                  : regime == Regime::Semiaberto ? 1
                                                                                 : 0;
                        ASSERT_EQ(dates.Progressions.size(), count);
                        for (const ProgressionDate& progression : dates.Progressions) {
                            const long long share = remaining * 16 / 100;
                            EXPECT_EQ(progression.Due.FractionDays, share);
                            const long long served = std::max(0LL, share - left);
                            left = std::max(0LL, left - share);
                            from = OracleLay(from, served, convention);
                            EXPECT_EQ(Civil(progression.Due.DueFrom), Civil(from));
                            remaining -= share;
                        }
                        ASSERT_EQ(dates.Parole.has_value(), term >= 2 * kYear);
                        if (dates.Parole) {
                            const long long served = std::max(0LL, counted / 3 - deducted);
                            EXPECT_EQ(dates.Parole->FractionDays, counted / 3);
                            EXPECT_EQ(Civil(dates.Parole->DueFrom),
                                      Civil(OracleLay(start, served, convention)));
                        }
                    }
                }
            }
        }
    }
}

TEST(ExecutionDates, RegimeAndParoleFollowTheFacts) {
    struct Row {
        long long term;
        std::optional<Inciso> inciso;
        bool repeat;
        Regime regime;
        std::size_t progressions;
        std::optional<std::string> parole;
    };
    const Row rows[] = {
        {4 * kYear, {}, false, Regime::Aberto, 0, "1/3"},
        {4 * kYear, {}, true, Regime::Semiaberto, 1, "1/2"},
        {8 * kYear + 1, Inciso::VII, true, Regime::Fechado, 2, {}},
        {2 * kYear - 1, {}, false, Regime::Aberto, 0, {}},
        {10 * kYear, Inciso::V, false, Regime::Fechado, 2, "2/3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.term);
        ExecutionRequest request = Request(row.term, Date(2024, 2, 29));
        request.Facts.RepeatOffender = row.repeat;
        if (row.inciso) {
            ASSERT_EQ(ApplyInciso(*row.inciso, request.Facts), "");
        }
        const ExecutionOutcome outcome = ComputeExecutionDates(request);
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        EXPECT_EQ(outcome.Dates.Initial, row.regime);
        EXPECT_EQ(outcome.Dates.Progressions.size(), row.progressions);
        EXPECT_EQ(outcome.Dates.Parole.has_value(), row.parole.has_value());
        if (outcome.Dates.Parole) {
            EXPECT_EQ(FractionText(outcome.Dates.Parole->Share), *row.parole);
        }
    }
}

// At the calendar's ends a term may end on 31/12/9999 or begin on 01/01/0001; a date that
// would leave the calendar (or a month or year shift into the year 10000, which the
// calendar window refuses too) gives the message.
TEST(ExecutionDates, DatesNearTheCalendarsLimits) {
    struct Row {
        long long term;
        DayNumber start;
        long long detracao;
        CountingConvention convention;
        std::optional<DayNumber> lastDay; // none: refused
    };
    constexpr auto kBase = CountingConvention::Base360;
    constexpr auto kCalendar = CountingConvention::CalendarDays;
    const Row rows[] = {
        {1, kLastDayNumber, 0, kBase, kLastDayNumber},
        {2, kLastDayNumber, 0, kBase, {}},
        {1, kLastDayNumber, 0, kCalendar, kLastDayNumber},
        {29, Date(9999, 12, 3), 0, kCalendar, kLastDayNumber},
        {kMonth, Date(9999, 12, 2), 0, kCalendar, {}},
        {kMonth, Date(9999, 12, 1), 0, kBase, {}},
        {kYear, Date(9999, 1, 1), 0, kBase, {}},
        {29, Date(9999, 12, 3), 0, kBase, kLastDayNumber},
        {kYear, Date(9999, 1, 1), 359, kBase, Date(9999, 1, 1)},
        {1, kFirstDayNumber, 0, kBase, kFirstDayNumber},
        {10, kFirstDayNumber, 9, kBase, kFirstDayNumber},
        {9998 * kYear + 11 * kMonth + 29, Date(1, 1, 2), 0, kBase, Date(9999, 12, 30)},
        {9999 * kYear, kFirstDayNumber, 0, kBase, {}},
        {1, kFirstDayNumber - 1, 0, kBase, {}},
        {1, kLastDayNumber + 1, 0, kBase, {}},
        {1, std::numeric_limits<double>::quiet_NaN(), 0, kBase, {}},
        {1, std::numeric_limits<double>::infinity(), 0, kCalendar, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.term) + " from " + std::to_string(row.start));
        ExecutionRequest request = Request(row.term, row.start, row.detracao);
        request.Convention = row.convention;
        request.InitialRegime = Regime::Fechado;
        const ExecutionOutcome outcome = ComputeExecutionDates(request);
        if (!row.lastDay) {
            EXPECT_EQ(outcome.Error, kDateOutOfRangeMessage);
            continue;
        }
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        EXPECT_EQ(outcome.Dates.LastDay, *row.lastDay);
        for (const ProgressionDate& progression : outcome.Dates.Progressions) {
            EXPECT_GE(progression.Due.DueFrom, outcome.Dates.Start);
            EXPECT_LE(progression.Due.DueFrom, kLastDayNumber);
        }
    }
}

TEST(ExecutionDates, RefusedCountsOfDaysGiveTheirMessage) {
    ExecutionRequest negativeRemicao = Request(100, Date(2020, 1, 1));
    negativeRemicao.RemicaoDays = -1;
    EXPECT_EQ(ComputeExecutionDates(negativeRemicao).Error, kNegativeRemicaoMessage);
    EXPECT_EQ(ComputeExecutionDates(Request(100, Date(2020, 1, 1), -3)).Error,
              kNegativeDetracaoMessage);
    EXPECT_EQ(ComputeExecutionDates(Request(0, Date(2020, 1, 1))).Error, kTermTooShortMessage);
}

} // namespace
} // namespace zarn
