// The applied fraction: the operations the calculator turns one term into another with,
// the variation line, the input errors of either term, and a property against exact
// integer arithmetic.

#include "engine/AppliedFraction.h"

#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "support/Sweep.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zarn {
namespace {

using Lines = std::vector<std::string>;

const std::string kNoFraction = "Nenhuma fra\xE7\xE3o usual leva a esse resultado.";
const std::string kNoVariation = "sem varia\xE7\xE3o calcul\xE1vel";
const std::string kZeroStart =
    "Com pena inicial zero, toda fra\xE7\xE3o d\xE1 zero: nenhuma pode ser apontada.";

std::string Variation(const std::string& text) {
    return "Varia\xE7\xE3o: " + text;
}

std::string Describe(const TermTexts& t) {
    return "\"" + t.Years + "\" \"" + t.Months + "\" \"" + t.Days + "\"";
}

TEST(AppliedFraction, TermPairsGiveMatchesAndVariation) {
    const struct {
        TermTexts before;
        TermTexts after;
        Lines lines;
    } rows[] = {
        {{"5  ", "  ", "  "}, {"5  ", "10", "  "}, {"+ 1/6", Variation("+16,67%")}},
        {{"3  ", "  ", "  "}, {"2  ", "  ", "  "}, {"- 1/3", Variation("-33,33%")}},
        // Only the truncated result explains it: 391 days + 1/6 is 456.17 days.
        {{"1  ", "1 ", "1 "}, {"1  ", "3 ", "6 "}, {"+ 1/6", Variation("+16,62%")}},
        {{"1  ", "  ", "  "}, {"3  ", "  ", "  "}, {"+ 2/1", Variation("+200,00%")}},
        {{"5  ", "  ", "  "}, {"5  ", "  ", "1 "}, {kNoFraction, Variation("+0,06%")}},
        // A reduction by the whole is not a usual operation.
        {{"1  ", "  ", "  "}, {"   ", "  ", "  "}, {kNoFraction, Variation("-100,00%")}},
        // Rounded half away from zero: 1/20000 and 1/4000 of the term, either way.
        {{"55 ", "6 ", "20"}, {"55 ", "6 ", "21"}, {kNoFraction, Variation("+0,01%")}},
        {{"55 ", "6 ", "20"}, {"55 ", "6 ", "19"}, {kNoFraction, Variation("-0,01%")}},
        {{"11 ", "1 ", "10"}, {"11 ", "1 ", "11"}, {kNoFraction, Variation("+0,03%")}},
        {{"11 ", "1 ", "10"}, {"11 ", "1 ", "9 "}, {kNoFraction, Variation("-0,03%")}},
        // A change too small to show keeps its sign.
        {{"999", "  ", "  "}, {"998", "11", "29"}, {kNoFraction, Variation("-0,00%")}},
        // Every operation turns a zero term into zero: none is named.
        {{"   ", "  ", "  "}, {"   ", "  ", "  "}, {kZeroStart, Variation(kNoVariation)}},
        {{"000", "0 ", "  "}, {"5  ", "  ", "  "}, {kZeroStart, Variation(kNoVariation)}},
        // Negative terms, as carried over from a reduction beyond the whole.
        {{"1  ", "  ", "  "}, {"-0", "-2", " 0"}, {kNoFraction, Variation("-116,67%")}},
        {{"-1 ", "  ", "  "}, {"-1", "-2", " 0"}, {"+ 1/6", Variation("+16,67%")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.before) + " -> " + Describe(row.after));
        const FractionAnswer answer = FindAppliedFraction(row.before, row.after);
        EXPECT_TRUE(answer.Ok);
        EXPECT_EQ(AnswerLines(answer), row.lines);
    }
}

TEST(AppliedFraction, InputErrorsNameTermAndField) {
    const std::string months = "O n\xFAmero m\xE1ximo de meses \xE9 11.";
    const std::string days = "O n\xFAmero m\xE1ximo de dias \xE9 29.";
    const std::string number = "N\xFAmero inv\xE1lido!";
    const TermTexts good = {"5  ", "  ", "  "};
    const struct {
        TermTexts before;
        TermTexts after;
        std::string message;
        TermSide term;
        InputField field;
    } rows[] = {
        {{"5  ", "12", "  "}, good, months, TermSide::Before, InputField::Months},
        {{"5  ", "  ", "30"}, good, days, TermSide::Before, InputField::Days},
        {{"1a ", "  ", "  "}, good, number, TermSide::Before, InputField::Years},
        {good, {"5  ", "12", "  "}, months, TermSide::After, InputField::Months},
        {good, {"5  ", "  ", "3 0"}, days, TermSide::After, InputField::Days},
        {good, {"5  ", "1-", "  "}, number, TermSide::After, InputField::Months},
        {{"   ", "  ", "45"}, {"x  ", "  ", "  "}, days, TermSide::Before, InputField::Days},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.before) + " -> " + Describe(row.after));
        const FractionAnswer answer = FindAppliedFraction(row.before, row.after);
        EXPECT_FALSE(answer.Ok);
        EXPECT_EQ(answer.FaultTerm, row.term);
        EXPECT_EQ(answer.FaultField, row.field);
        EXPECT_EQ(AnswerLines(answer), Lines{row.message});
    }
}

// What a window comparing the two terms opens with after a Calcula of the main window.
TEST(AppliedFraction, LastCalculationGivesItsStartAndItsResult) {
    const struct {
        const char* name;
        std::vector<std::string> fields; // years, months, days, day-fines, operation
        bool hasResult;
        TermTexts before;
        TermTexts after;
        bool fits;
    } rows[] = {
        {"increase",
         {"5  ", "  ", "  ", "10   ", "+ 1 /6  "},
         true,
         {"5", "", ""},
         {"5", "10", ""},
         true},
        {"zero and blank left empty, 00 kept",
         {"00 ", "0 ", "1 ", "     ", "- 1 /2  "},
         true,
         {"00", "", "1"},
         {"", "", ""},
         true},
        {"negative result carried as it is",
         {"1  ", "  ", "  ", "     ", "- 7 /6  "},
         true,
         {"1", "", ""},
         {"-0", "-2", ""},
         true},
        {"result wider than its field",
         {"999", "  ", "  ", "     ", "x 10/   "},
         true,
         {"999", "", ""},
         {"", "", ""},
         false},
        {"input error", {"5  ", "12", "  ", "     ", "+ 1 /6  "}, false, {}, {}, true},
        {"invalid operation", {"5  ", "  ", "  ", "     ", "    /   "}, false, {}, {}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CalcState state;
        RunCalculation(state, row.fields[0], row.fields[1], row.fields[2], row.fields[3],
                       row.fields[4]);
        const CalcState before = state;
        const std::optional<CalculationTerms> terms = LastCalculationTerms(state);
        ASSERT_EQ(terms.has_value(), row.hasResult);
        // The record is only read: Volta and Continua still find it as Calcula left it.
        EXPECT_EQ(state.YearsText, before.YearsText);
        EXPECT_EQ(state.OutYearsText, before.OutYearsText);
        EXPECT_EQ(state.OutMonthsText, before.OutMonthsText);
        if (terms) {
            EXPECT_EQ(Describe(terms->Before), Describe(row.before));
            EXPECT_EQ(Describe(terms->After), Describe(row.after));
            EXPECT_EQ(terms->ResultFits, row.fits);
        }
    }
    EXPECT_FALSE(LastCalculationTerms(CalcState{}).has_value());
}

// Exact integer arithmetic of a usual operation on a term in days.
using Int = std::int64_t;

struct Usual {
    bool increase;
    int n;
    int d;
};

std::vector<Usual> UsualInOrder() {
    std::vector<Usual> usual;
    for (int d = 1; d <= 12; ++d) {
        for (int n = 1; n <= 2 * d; ++n) {
            if (std::gcd(n, d) == 1) {
                usual.push_back({true, n, d});
                if (n < d) {
                    usual.push_back({false, n, d});
                }
            }
        }
    }
    return usual;
}

std::string Named(const Usual& u) {
    return std::string(u.increase ? "+ " : "- ") + std::to_string(u.n) + "/" + std::to_string(u.d);
}

std::string FieldText(const Usual& u) {
    std::string n = std::to_string(u.n);
    std::string d = std::to_string(u.d);
    n.resize(2, ' ');
    d.resize(3, ' ');
    return std::string(u.increase ? "+ " : "- ") + n + "/" + d;
}

// Years, months and days of the result, each truncated, for a term of totalDays >= 0.
std::vector<Int> ExactParts(Int totalDays, const Usual& u) {
    const Int scaled = totalDays * (u.increase ? u.d + u.n : u.d - u.n);
    return {scaled / (360 * u.d), scaled % (360 * u.d) / (30 * u.d), scaled % (30 * u.d) / u.d};
}

// For random terms and each usual operation: the calculator's own result, asked back,
// lists exactly the operations that give the same parts in exact arithmetic, the applied
// one among them.
TEST(AppliedFraction, EveryAppliedOperationIsFoundAmongExactMatches) {
    const std::vector<Usual> usual = UsualInOrder();
    std::mt19937 random(1414u);
    std::uniform_int_distribution<int> years(0, 120), months(0, 11), days(0, 29);
    for (int i = 0; i < testing::SweepCount(25); ++i) {
        const Int y = years(random), m = months(random), d = days(random) + (i == 0);
        const Int total = y * 360 + m * 30 + d;
        const TermTexts before = {std::to_string(y), std::to_string(m), std::to_string(d)};
        for (const Usual& applied : usual) {
            SCOPED_TRACE(Describe(before) + " " + Named(applied));
            CalcState state;
            ASSERT_TRUE(RunCalculation(state, before.Years, before.Months, before.Days, "     ",
                                       FieldText(applied))
                            .Ok);
            const FractionAnswer answer = FindAppliedFraction(
                before, {state.OutYearsText, state.OutMonthsText, state.OutDaysText});
            Lines exact;
            for (const Usual& u : usual) {
                if (ExactParts(total, u) == ExactParts(total, applied)) {
                    exact.push_back(Named(u));
                }
            }
            // The applied operation is always in the exact list.
            EXPECT_EQ(answer.Matches, exact);
        }
    }
}

} // namespace
} // namespace zarn
