// A term written with its nonzero parts only, and a number of days split into years,
// months and days on the 360/30 base.

#include "engine/TermText.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

TEST(TermText, NonzeroPartsJoinedAsAList) {
    struct Row {
        TermParts term;
        bool inWords;
        std::string text;
    } rows[] = {
        {{0, 0, 0, 0}, false, "0 dia"},
        {{1, 0, 0, 0}, false, "1 ano"},
        {{2, 0, 0, 0}, false, "2 anos"},
        {{0, 1, 0, 0}, false, "1 m\xEAs"},
        {{0, 3, 0, 0}, false, "3 meses"},
        {{0, 0, 1, 0}, false, "1 dia"},
        {{0, 0, 20, 0}, false, "20 dias"},
        {{5, 10, 0, 0}, false, "5 anos e 10 meses"},
        {{1, 0, 1, 0}, false, "1 ano e 1 dia"},
        {{0, 1, 4, 0}, false, "1 m\xEAs e 4 dias"},
        {{3, 10, 20, 0}, false, "3 anos, 10 meses e 20 dias"},
        {{5, 0, 0, 10}, false, "5 anos, e 10 dias-multa"},
        {{5, 10, 0, 11}, false, "5 anos e 10 meses, e 11 dias-multa"},
        {{3, 10, 20, 7}, false, "3 anos, 10 meses e 20 dias, e 7 dias-multa"},
        {{0, 0, 2, 1}, false, "2 dias, e 1 dia-multa"},
        {{0, 0, 0, 100}, false, "100 dias-multa"},
        {{0, 0, 0, 1}, false, "1 dia-multa"},
        {{0, 0, 0, 0}, true, "0 (zero) dia"},
        {{5, 10, 0, 0}, true, "5 (cinco) anos e 10 (dez) meses"},
        {{5, 0, 0, 10}, true, "5 (cinco) anos, e 10 (dez) dias-multa"},
        {{1, 1, 1, 66666},
         true,
         "1 (um) ano, 1 (um) m\xEAs e 1 (um) dia, e 66666 (sessenta e seis mil seiscentos e "
         "sessenta e seis) dias-multa"},
        {{1000000000, 0, 0, 0}, true, "1000000000 anos"},
        // Negative parts keep their digits and the singular word, like the result sentence.
        {{-2, 0, -10, 0}, true, "-2 ano e -10 dia"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WriteTerm(row.term, row.inWords), row.text);
    }
}

TEST(TermText, SplitDaysExamples) {
    struct Row {
        long long days;
        TermParts term;
    } rows[] = {
        {0, {}},    {2100, {5, 10, 0}}, {1400, {3, 10, 20}}, {359, {0, 11, 29}},
        {360, {1}}, {-60, {0, -2, 0}},  {-40, {0, -1, -10}}, {-720, {-2, 0, 0}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SplitDays(row.days), row.term) << row.days;
    }
}

// Whatever the number of days, the parts add back up to it, stay below a year and a
// month, and share its sign: the truncation goes toward zero.
TEST(TermText, SplitDaysAddsBackUpAndTruncatesTowardZero) {
    for (long long days = -3000; days <= 3000; ++days) {
        const TermParts term = SplitDays(days);
        ASSERT_EQ(term.Years * 360 + term.Months * 30 + term.Days, days);
        ASSERT_LT(std::llabs(term.Months), 12);
        ASSERT_LT(std::llabs(term.Days), 30);
        ASSERT_TRUE(days >= 0 ? term.Months >= 0 && term.Days >= 0 && term.Years >= 0
                              : term.Months <= 0 && term.Days <= 0 && term.Years <= 0)
            << days;
        ASSERT_EQ(term.Fines, 0);
    }
}

} // namespace
} // namespace zarn
