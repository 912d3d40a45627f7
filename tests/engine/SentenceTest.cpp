// Whole calculations from the five field texts to the result sentence, and the
// fixed-width number format of the result parts.

#include "engine/Sentence.h"

#include "engine/CalcState.h"
#include "engine/Calculation.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace zarn {
namespace {

// Field texts as the masked fields give them: widths 3, 2, 2, 5 and 8.
struct SentenceRow {
    std::string years;
    std::string months;
    std::string days;
    std::string fines;
    std::string operation;
    std::string sentence;
};

void ExpectSentences(const SentenceRow* begin, const SentenceRow* end) {
    for (const SentenceRow* row = begin; row != end; ++row) {
        SCOPED_TRACE("\"" + row->years + "\" \"" + row->months + "\" \"" + row->days + "\" \"" +
                     row->fines + "\" \"" + row->operation + "\"");
        CalcState state;
        const CalcOutcome outcome =
            RunCalculation(state, row->years, row->months, row->days, row->fines, row->operation);
        EXPECT_TRUE(outcome.Ok);
        EXPECT_EQ(outcome.OutcomeText, row->sentence);
    }
}

TEST(ResultSentence, WorkedExamples) {
    const SentenceRow rows[] = {
        {"5  ", "  ", "  ", "10   ", "+ 1 /6  ", " 5 anos, 10 meses e  0 dia, e  11 dias-multa"},
        {"  6", "  ", "  ", "     ", "- 2 /3  ", " 2 anos,  0 m\xEAs e  0 dia"},
        {"   ", " 9", "  ", "     ", "+ 1 /3  ", " 1 ano,  0 m\xEAs e  0 dia"},
        {"2  ", "  ", "  ", "     ", "x 3 /   ", " 6 anos,  0 m\xEAs e  0 dia"},
        {"  1", " 1", " 1", "     ", "+ 1 /6  ", " 1 ano,  3 meses e  6 dias"},
        {"   ", "1 ", "  ", "     ", "+ 1 /7  ", " 0 ano,  1 m\xEAs e  4 dias"},
        {"   ", "2 ", "10", "     ", "- 1 /2  ", " 0 ano,  1 m\xEAs e  5 dias"},
        {"3  ", "  ", "  ", "30   ", "- 1 /6  ", " 2 anos,  6 meses e  0 dia, e  25 dias-multa"},
        {"8  ", "  ", "  ", "   50", "- 1 /3  ", " 5 anos,  4 meses e  0 dia, e  33 dias-multa"},
        {"2  ", "6 ", "  ", "10   ", "- 2 /3  ", " 0 ano, 10 meses e  0 dia, e   3 dias-multa"},
        {"12 ", "8 ", "15", "150  ", "+ 2 /3  ", "21 anos,  2 meses e  5 dias, e 250 dias-multa"},
        {"1  ", "  ", "  ", "20   ", "x 10/   ", "10 anos,  0 m\xEAs e  0 dia, e 200 dias-multa"},
        {"150", "  ", "  ", "     ", "+ 1 /2  ", "225 anos,  0 m\xEAs e  0 dia"},
        {"   ", "  ", "  ", "100  ", "- 1 /3  ", " 66 dias-multa"},
        {"   ", "  ", "  ", "66666", "+ 1 /2  ", "66666 dias-multa"},
        {"   ", "  ", "  ", "     ", "+ 1 /6  ", " 0 ano,  0 m\xEAs e  0 dia"},
    };
    ExpectSentences(std::begin(rows), std::end(rows));
}

TEST(ResultSentence, TruncationWordsAndNegativeParts) {
    const SentenceRow rows[] = {
        // A fraction of a day is dropped, not rounded.
        {"   ", "  ", "1 ", "     ", "+ 1 /3  ", " 0 ano,  0 m\xEAs e  1 dia"},
        {"   ", "  ", "2 ", "     ", "+ 1 /2  ", " 0 ano,  0 m\xEAs e  3 dias"},
        {"   ", "11", "29", "     ", "+ 1 /359", " 1 ano,  0 m\xEAs e  0 dia"},
        // Reductions beyond the whole keep the singular words and their signs.
        {"1  ", "  ", "  ", "     ", "- 7 /6  ", "-0 ano, -2 m\xEAs e  0 dia"},
        {"1  ", "  ", "  ", "     ", "- 10/9  ", "-0 ano, -1 m\xEAs e -10 dia"},
        {"1  ", "  ", "  ", "     ", "- 3 /1  ", "-2 ano,  0 m\xEAs e  0 dia"},
        {"1  ", "  ", "  ", "     ", "- 1 /1  ", " 0 ano,  0 m\xEAs e  0 dia"},
        {"   ", "  ", "1 ", "     ", "- 7 /6  ", "-0 ano, -0 m\xEAs e -0 dia"},
        // Day-fines: the ceiling, the word after the number shown, below zero.
        {"   ", "  ", "  ", "10   ", "- 17/20 ", "  1 dia-multa"},
        {"   ", "  ", "  ", "10   ", "- 21/20 ", " -0 dia-multa"},
        {"   ", "  ", "  ", "10   ", "- 3 /1  ", "-20 dia-multa"},
        {"   ", "  ", "  ", "60000", "+ 1 /9  ", "66666 dias-multa"},
        {"   ", "  ", "  ", "60000", "+ 1 /10 ", "66000 dias-multa"},
        // The shape follows the inputs, not the results.
        {"1  ", "  ", "  ", "10   ", "x 00/   ", " 0 ano,  0 m\xEAs e  0 dia, e   0 dia-multa"},
        {"   ", "  ", "1 ", "10   ", "- 1 /1  ", " 0 ano,  0 m\xEAs e  0 dia, e   0 dia-multa"},
    };
    ExpectSentences(std::begin(rows), std::end(rows));
}

TEST(ResultSentence, OperationEffects) {
    const SentenceRow rows[] = {
        {"   ", "6 ", "  ", "     ", "  1 /6  ", " 0 ano,  7 meses e  0 dia"},
        {"   ", "6 ", "  ", "     ", "+ 1 /6  ", " 0 ano,  7 meses e  0 dia"},
        {"   ", "  ", "10", "     ", "= 2 /3  ", " 0 ano,  0 m\xEAs e 16 dias"},
        {"   ", "  ", "8 ", "     ", "_ 1 /4  ", " 0 ano,  0 m\xEAs e  6 dias"},
        {"3  ", "  ", "  ", "     ", "x 2 /0  ", " 6 anos,  0 m\xEAs e  0 dia"},
        {"3  ", "  ", "  ", "     ", "* 2 /   ", " 6 anos,  0 m\xEAs e  0 dia"},
        {"3  ", "  ", "  ", "     ", "x 1 /   ", " 3 anos,  0 m\xEAs e  0 dia"},
        {"3  ", "4 ", "5 ", "15   ", "x 00/   ", " 0 ano,  0 m\xEAs e  0 dia, e   0 dia-multa"},
        {"1  ", "  ", "  ", "     ", "1   /6  ", " 1 ano,  2 meses e  0 dia"},
        {"1  ", "  ", "  ", "     ", "1 2 /3  ", " 5 anos,  0 m\xEAs e  0 dia"},
        {"1  ", "  ", "  ", "     ", "+ 00/6  ", " 1 ano,  0 m\xEAs e  0 dia"},
        {"   ", "  ", "1 ", "     ", "9 99/1  ", " 2 anos,  9 meses e 10 dias"},
        // Multiplying by a fraction: two thirds, one and a half, a third.
        {"3  ", "  ", "  ", "     ", "x 2 /3  ", " 2 anos,  0 m\xEAs e  0 dia"},
        {"2  ", "  ", "  ", "10   ", "x 3 /2  ", " 3 anos,  0 m\xEAs e  0 dia, e  15 dias-multa"},
        {"   ", "  ", "1 ", "     ", "x 1 /3  ", " 0 ano,  0 m\xEAs e  0 dia"},
        {"1  ", "  ", "  ", "30   ", "x 5 /4  ", " 1 ano,  3 meses e  0 dia, e  37 dias-multa"},
        // Numbers carried forward from a negative result.
        {"-0", "-2", "0", "     ", "+ 1 /1  ", "-0 ano, -4 m\xEAs e  0 dia"},
        {"-1", "  ", "  ", "     ", "- 1 /2  ", "-0 ano, -6 m\xEAs e  0 dia"},
    };
    ExpectSentences(std::begin(rows), std::end(rows));
}

TEST(NumberFormat, RightAlignedInFixedWidth) {
    struct Row {
        double value;
        int width;
        std::string text;
    };
    const Row rows[] = {
        {0, 2, " 0"},
        {0, 3, "  0"},
        {5, 2, " 5"},
        {5, 3, "  5"},
        {11, 2, "11"},
        {11, 3, " 11"},
        {225, 2, "225"},
        {225, 3, "225"},
        {66666, 3, "66666"},
        {-2, 2, "-2"},
        {-2, 3, " -2"},
        {-10, 2, "-10"},
        {-10, 3, "-10"},
        {-0.0, 2, "-0"},
        {-0.0, 3, " -0"},
        {0, 0, "0"},
        {7, -1, "7"},
        {123456789, 2, "123456789"},
        // A fraction is dropped toward zero, never rounded.
        {5.83, 2, " 5"},
        {-0.11, 2, "-0"},
        {-1.33, 2, "-1"},
        {29.999, 2, "29"},
        {1e20, 2, "100000000000000000000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " in width " << row.width);
        EXPECT_EQ(FormatWhole(row.value, row.width), row.text);
    }
}

TEST(NumberFormat, NonFiniteValuesDoNotFail) {
    // Never produced by a calculation; the format must still stay well defined.
    EXPECT_EQ(FormatWhole(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(FormatWhole(-std::numeric_limits<double>::infinity(), 5), " -inf");
    EXPECT_EQ(FormatWhole(std::numeric_limits<double>::max(), 2).size(), 309u);
}

} // namespace
} // namespace zarn
