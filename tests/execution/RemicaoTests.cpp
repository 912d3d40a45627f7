#include "ExecutionCaseBuilder.h"
#include "execution/CaseExecution.h"
#include "execution/Remicao.h"

#include <gtest/gtest.h>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::testing;

enum class Kind { Work, Study, StudyCompleted, Books, Night };

struct RemicaoRow {
    Kind kind;
    long long entered;
    long long before; // carried over, or books already counted in the twelve months
    long long days;
    long long carried;
};

RemicaoCount Count(const RemicaoRow& row) {
    switch (row.kind) {
    case Kind::Work:
        return RemicaoForWork(row.entered, row.before);
    case Kind::Study:
        return RemicaoForStudy(row.entered, false, row.before);
    case Kind::StudyCompleted:
        return RemicaoForStudy(row.entered, true, row.before);
    case Kind::Books:
        return RemicaoForBooks(row.entered, row.before);
    case Kind::Night:
        return NightConfinementDays(row.entered, row.before);
    }
    return {};
}

// law.md 10: 1 day per 3 of work; 1 per 12 hours of study, x 4/3 with a level completed;
// 4 per book, at most 12 books in twelve months; night confinement by hours / 24.
TEST(Remicao, EachKindTurnsIntoWholeDaysAndCarriesTheRest) {
    const RemicaoRow rows[] = {
        {Kind::Work, 90, 0, 30, 0},
        {Kind::Work, 100, 0, 33, 1},
        {Kind::Work, 2, 1, 1, 0},
        {Kind::Work, 0, 2, 0, 2},
        {Kind::StudyCompleted, 1200, 0, 133, 0},
        {Kind::Study, 1200, 0, 100, 0},
        {Kind::Study, 600, 0, 50, 0},
        {Kind::Study, 25, 0, 2, 1},
        {Kind::Study, 11, 1, 1, 0},
        {Kind::StudyCompleted, 36, 0, 4, 0},
        {Kind::StudyCompleted, 24, 0, 2, 0},
        {Kind::Books, 13, 0, 48, 0},
        {Kind::Books, 3, 0, 12, 0},
        {Kind::Books, 8, 8, 16, 0},
        {Kind::Books, 5, 12, 0, 0},
        {Kind::Night, 500, 0, 20, 20},
        {Kind::Night, 4, 20, 1, 0},
        {Kind::Night, 23, 0, 0, 23},
        {Kind::Work, -5, 0, 0, 0},
    };
    for (const RemicaoRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(row.kind) << " " << row.entered);
        const RemicaoCount count = Count(row);
        EXPECT_EQ(count.Days, row.days);
        EXPECT_EQ(count.Carried, row.carried);
    }
}

ExecutionEvent Grant(DayNumber date, Kind kind, long long amount) {
    ExecutionEvent event = Event(EventKind::Remicao, date);
    switch (kind) {
    case Kind::Work:
        event.WorkDays = amount;
        break;
    case Kind::Study:
    case Kind::StudyCompleted:
        event.StudyHours = amount;
        event.LevelCompleted = kind == Kind::StudyCompleted;
        break;
    case Kind::Books:
        event.Books = amount;
        break;
    case Kind::Night:
        event = Event(EventKind::RecolhimentoNoturno, date);
        event.Hours = amount;
        break;
    }
    return event;
}

// The grants of a case, entered out of order, carry in the order of their dates; books
// count against the twelve months before each grant; night confinement before the first day
// counts from it.
TEST(Remicao, TheCaseCarriesLeftoversInDateOrderAndLimitsBooksByTwelveMonths) {
    ExecutionCase question = SixYearsFromTenthOfJanuary2021();
    question.Events = {
        Grant(Date(2022, 3, 1), Kind::Work, 2),   Grant(Date(2021, 9, 1), Kind::Work, 100),
        Grant(Date(2021, 6, 1), Kind::Books, 8),  Grant(Date(2022, 1, 1), Kind::Books, 8),
        Grant(Date(2022, 6, 2), Kind::Books, 8),  Grant(Date(2020, 12, 1), Kind::Night, 500),
        Grant(Date(2022, 2, 1), Kind::Study, 25), Grant(Date(2022, 4, 1), Kind::StudyCompleted, 35),
    };
    const CaseExecutionResult result = ComputeCaseExecution(question);
    ASSERT_TRUE(result.Ok()) << result.Error;
    struct Expected {
        DayNumber countsFrom;
        long long days;
        long long carried;
    };
    // By date: night (from the first day), books, work, books, study, work, study, books.
    const std::vector<Expected> expected{
        {Date(2021, 1, 10), 20, 20}, {Date(2021, 6, 1), 32, 0}, {Date(2021, 9, 1), 33, 1},
        {Date(2022, 1, 1), 16, 0},   {Date(2022, 2, 1), 2, 1},  {Date(2022, 3, 1), 1, 0},
        {Date(2022, 4, 1), 4, 0},    {Date(2022, 6, 2), 32, 0},
    };
    const std::vector<CreditGrant>& credits = result.Answer.Credits;
    ASSERT_EQ(credits.size(), expected.size());
    long long total = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(credits[i].CountsFrom, expected[i].countsFrom);
        EXPECT_EQ(credits[i].Days, expected[i].days);
        EXPECT_EQ(credits[i].Carried, expected[i].carried);
        total += expected[i].days;
    }
    EXPECT_EQ(result.Answer.RemicaoDays + result.Answer.DetracaoDays, total);
    EXPECT_EQ(result.Answer.DetracaoDays, 20);
    EXPECT_EQ(result.Answer.CarriedNightHours, 20);
}

} // namespace
} // namespace zarn
