// The operation field text and what the parser makes of it: the sign, the fraction and
// the rejected texts.

#include "engine/Operation.h"

#include "engine/CalcState.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

struct ParseRow {
    std::string text;
    bool increase;
    bool multiply;
    double numerator;
    double denominator;
};

CalcState Parsed(const std::string& text) {
    CalcState state;
    state.OperationText = text;
    ParseOperation(state);
    return state;
}

void ExpectAccepted(const ParseRow& row) {
    SCOPED_TRACE("operation \"" + row.text + "\"");
    const CalcState state = Parsed(row.text);
    EXPECT_FALSE(state.InvalidOperation);
    EXPECT_EQ(state.Increase, row.increase);
    EXPECT_EQ(state.Multiply, row.multiply);
    EXPECT_EQ(state.Numerator, row.numerator);
    EXPECT_EQ(state.Denominator, row.denominator);
}

TEST(OperationParse, FieldTextsGiveSignAndFraction) {
    const ParseRow rows[] = {
        {"+ 1 /6  ", true, false, 1, 6},   {"  1 /6  ", true, false, 1, 6},
        {"= 2 /3  ", true, false, 2, 3},   {"- 1 /3  ", false, false, 1, 3},
        {"_ 1 /4  ", false, false, 1, 4},  {"- 7 /6  ", false, false, 7, 6},
        {"x 2 /   ", true, true, 1, 1},    {"* 3 /0  ", true, true, 2, 1},
        {"X 10/   ", true, true, 9, 1},    {"x 1 /   ", true, true, 0, 1},
        {"x 00/   ", true, true, -1, 1},   {"1   /6  ", true, false, 1, 6},
        {"1 2 /3  ", true, false, 12, 3},  {"+ 00/6  ", true, false, 0, 6},
        {"9 99/1  ", true, false, 999, 1}, {"+ 1 /999", true, false, 1, 999},
        {"x 2 /0  ", true, true, 1, 1},
    };
    for (const ParseRow& row : rows) {
        ExpectAccepted(row);
    }
}

// Multiplying by N/D yields N/D of the whole: an increase by (N-D)/D when N >= D, a
// reduction by (D-N)/D otherwise.
TEST(OperationParse, MultiplyByFractionScalesTheWhole) {
    const ParseRow rows[] = {
        {"x 2 /3  ", false, true, 1, 3}, {"x 3 /2  ", true, true, 1, 2},
        {"* 6 /6  ", true, true, 0, 6},  {"X 00/5  ", false, true, 5, 5},
        {"x 12/1  ", true, true, 11, 1}, {"x 1 /12 ", false, true, 11, 12},
        {"x 10/4  ", true, true, 6, 4},  {"* 1 /001", true, true, 0, 1},
    };
    for (const ParseRow& row : rows) {
        ExpectAccepted(row);
    }
}

// Texts shorter than the field, as only a program write can give them.
TEST(OperationParse, ShortTextsParseWithinTheirLength) {
    const ParseRow rows[] = {
        {"+1/6", true, false, 1, 6},  {"1/6", true, false, 1, 6}, {"x2/", true, true, 1, 1},
        {"-1/3", false, false, 1, 3}, {"x3/2", true, true, 1, 2},
    };
    for (const ParseRow& row : rows) {
        ExpectAccepted(row);
    }
}

TEST(OperationParse, RejectedTexts) {
    const std::string rows[] = {
        // Field texts.
        "+   /6  ",
        "+ 0 /6  ",
        "x 0 /   ",
        "+ 1 /   ",
        "+ 1 /0  ",
        "+ 1 /000",
        "x 2 /00 ",
        "    /   ",
        "0 1 /6  ",
        "a 1 /6  ",
        "/ 1 /6  ",
        "\xE9 1 /6  ",
        "\t 1 /6  ",
        // Short texts.
        "",
        "+",
        "x",
        "7",
        "/",
        "+1",
        "x2",
        "1/",
        "/6",
        // Other characters where digits belong, and numbers longer than the field holds.
        "+ a /6  ",
        "+ 1 /6a ",
        "+ 1 /6/2",
        "+ -1/6  ",
        "+ 1 /+6 ",
        "+ 1./6  ",
        std::string("+ 1 /6\0 ", 8),
        "+ 1 /1000",
        "+ 1234/6",
        "x 0001/ ",
        "+ 1\t/6  ",
    };
    for (const std::string& text : rows) {
        SCOPED_TRACE("operation \"" + text + "\"");
        EXPECT_TRUE(Parsed(text).InvalidOperation);
    }
}

TEST(OperationParse, ConsumedTextAndFractionSides) {
    struct Row {
        std::string text;
        std::string consumed;
        std::string numeratorText;
        std::string denominatorText;
    };
    const Row rows[] = {
        {"+ 1 /6  ", "1/6", "1", "6"},
        {"1 2 /3  ", "12/3", "12", "3"},
        {"x 2 /   ", "2/", "2", ""},
        {"    /   ", "/", "", ""},
        {"a 1 /6  ", "a1/6", "a1", "6"},
        {"- 12/345", "12/345", "12", "345"},
        {"+ 1 /6/2", "1/6/2", "1", "6/2"},
        {"x2", "2", "", "2"},
        {"", "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("operation \"" + row.text + "\"");
        const CalcState state = Parsed(row.text);
        EXPECT_EQ(state.OperationText, row.consumed);
        EXPECT_EQ(state.NumeratorText, row.numeratorText);
        EXPECT_EQ(state.DenominatorText, row.denominatorText);
    }
}

} // namespace
} // namespace zarn
