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
        {{0, 0, 20, 0}, false, "20 dias"},
        {{1, 0, 1, 0}, false, "1 ano e 1 dia"},
        {{3, 10, 20, 0}, false, "3 anos, 10 meses e 20 dias"},
        {{5, 10, 0, 11}, false, "5 anos e 10 meses, e 11 dias-multa"},
        {{0, 0, 1, 1}, false, "1 dia, e 1 dia-multa"},
        {{0, 0, 0, 100}, false, "100 dias-multa"},
        {{0, 0, 0, 0}, true, "0 (zero) dia"},
        {{5, 0, 0, 10}, true, "5 (cinco) anos, e 10 (dez) dias-multa"},
        {{0, 1, 2, 0}, true, "1 (um) m\xEAs e 2 (dois) dias"},
        {{1000000000, 0, 0, 0}, true, "1000000000 anos"},
        // Negative parts keep their digits and the singular word, like the result sentence.
        {{-2, 0, -10, 0}, true, "-2 ano e -10 dia"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WriteTerm(row.term, row.inWords), row.text);
    }
}

// The parts add back up to the days, stay below a year and a month, and share the sign of
// the days: the truncation goes toward zero.
TEST(TermText, SplitDaysAddsBackUpAndTruncatesTowardZero) {
    EXPECT_EQ(SplitDays(1400), (TermParts{3, 10, 20, 0}));
    EXPECT_EQ(SplitDays(-40), (TermParts{0, -1, -10, 0}));
    for (long long days = -3000; days <= 3000; ++days) {
        const TermParts term = SplitDays(days);
        const auto sameSign = [days](long long part) { return days >= 0 ? part >= 0 : part <= 0; };
        ASSERT_EQ(term.Years * 360 + term.Months * 30 + term.Days, days);
        ASSERT_LT(std::llabs(term.Months), 12);
        ASSERT_LT(std::llabs(term.Days), 30);
        ASSERT_TRUE(sameSign(term.Years) && sameSign(term.Months) && sameSign(term.Days)) << days;
        ASSERT_EQ(term.Fines, 0);
    }
}

} // namespace
} // namespace zarn
