// The arithmetic in 64-bit reals against exact rational arithmetic in 64-bit integers,
// over a sweep of terms, day-fines and operations. Every part of the result and the
// sentence built from them must be the exact parts truncated toward zero.

#include "engine/CalcState.h"
#include "engine/Calculation.h"
#include "support/Sweep.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

using Int = std::int64_t;

// One operation as typed, and the exact factor it applies to the whole.
struct Operation {
    std::string text;
    Int factorNumerator;
    Int factorDenominator;
};

// The text of the operation field: sign, blank, two numerator places, "/", three
// denominator places.
std::string OperationField(char sign, int numerator, int denominator) {
    std::string numeratorText = std::to_string(numerator);
    numeratorText.resize(2, ' ');
    std::string denominatorText = denominator > 0 ? std::to_string(denominator) : "";
    denominatorText.resize(3, ' ');
    return std::string{sign, ' '} + numeratorText + "/" + denominatorText;
}

std::vector<Operation> Operations(char sign) {
    std::vector<Operation> operations;
    for (int n = 1; n <= 12; ++n) {
        if (sign == 'x') {
            // Times N, the denominator left empty.
            operations.push_back({OperationField('x', n, 0), n, 1});
            continue;
        }
        for (int d = 1; d <= 12; ++d) {
            const Int factor = sign == '+' ? d + n : sign == '-' ? d - n : n;
            const char typed = sign == '/' ? 'x' : sign;
            operations.push_back({OperationField(typed, n, d), factor, d});
        }
    }
    return operations;
}

struct Term {
    int years;
    int months;
    int days;
    int fines;
};

// A number right-aligned in a field of the given width.
std::string Fixed(int value, std::size_t width) {
    std::string text = std::to_string(value);
    return std::string(width - text.size(), ' ') + text;
}

// A term and its four field texts, as typed.
struct TypedTerm {
    Term term;
    std::string years, months, days, fines;
};

std::vector<TypedTerm> Terms() {
    std::vector<TypedTerm> terms;
    std::vector<int> fines = {0};
    for (int f = 10; f <= 200; f += 37) {
        fines.push_back(f);
    }
    for (int y = 0; y <= 30; y += 7) {
        for (int m = 0; m <= 11; ++m) {
            for (int d = 0; d <= 29; d += 3) {
                for (int f : fines) {
                    terms.push_back(
                        {{y, m, d, f}, Fixed(y, 3), Fixed(m, 2), Fixed(d, 2), Fixed(f, 5)});
                }
            }
        }
    }
    return terms;
}

// A whole part written right-aligned; "-0" for a zero part cut from a negative amount.
std::string Written(Int part, bool fromNegative, std::size_t width) {
    std::string text = part == 0 && fromNegative ? "-0" : std::to_string(part);
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Word(Int part, const char* singular, const char* plural) {
    return part > 1 ? plural : singular;
}

struct ExactResult {
    std::string years, months, days, fines, sentence;
};

// Integer division in C++ truncates toward zero, as the parts are truncated.
ExactResult Exact(const Term& t, const Operation& op) {
    const Int q = op.factorDenominator;
    const Int scaledDays = (Int{t.years} * 360 + t.months * 30 + t.days) * op.factorNumerator;
    const Int years = scaledDays / (360 * q);
    const Int afterYears = scaledDays - years * 360 * q;
    const Int months = afterYears / (30 * q);
    const Int afterMonths = afterYears - months * 30 * q;
    const Int days = afterMonths / q;

    const Int scaledFines = Int{t.fines} * op.factorNumerator;
    const Int fines = scaledFines > 66666 * q ? 66666 : scaledFines / q;

    ExactResult r;
    r.years = Written(years, scaledDays < 0, 2);
    r.months = Written(months, afterYears < 0, 2);
    r.days = Written(days, afterMonths < 0, 2);
    r.fines = Written(fines, scaledFines < 0, 3);
    const std::string term = r.years + Word(years, " ano", " anos") + ", " + r.months +
                             Word(months, " m\xEAs", " meses") + " e " + r.days +
                             Word(days, " dia", " dias");
    const std::string fineText = r.fines + Word(fines, " dia-multa", " dias-multa");
    const bool noTerm = t.years == 0 && t.months == 0 && t.days == 0;
    r.sentence = t.fines == 0 ? term : noTerm ? fineText : term + ", e " + fineText;
    return r;
}

// Runs the whole sweep for one kind of operation; reports at most a few mismatches.
void SweepMatchesExactArithmetic(char sign) {
    const std::vector<TypedTerm> terms = Terms();
    const std::vector<Operation> operations = Operations(sign);
    int mismatches = 0;
    long long caseNumber = 0;
    CalcState state;
    for (const Operation& op : operations) {
        for (const TypedTerm& typed : terms) {
            if (!testing::InSweep(caseNumber++)) {
                continue;
            }
            const Term& t = typed.term;
            const CalcOutcome outcome =
                RunCalculation(state, typed.years, typed.months, typed.days, typed.fines, op.text);
            const ExactResult exact = Exact(t, op);
            const bool same =
                outcome.Ok && state.OutYearsText == exact.years &&
                state.OutMonthsText == exact.months && state.OutDaysText == exact.days &&
                state.OutFinesText == exact.fines && outcome.OutcomeText == exact.sentence;
            if (!same && ++mismatches <= 5) {
                ADD_FAILURE() << "\"" << op.text << "\" on " << t.years << "y " << t.months << "m "
                              << t.days << "d " << t.fines << " fines: got \""
                              << outcome.OutcomeText << "\", exact \"" << exact.sentence << "\"";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ArithmeticOracle, IncreaseByFraction) {
    SweepMatchesExactArithmetic('+');
}
TEST(ArithmeticOracle, ReduceByFraction) {
    SweepMatchesExactArithmetic('-');
}
TEST(ArithmeticOracle, MultiplyByWholeNumber) {
    SweepMatchesExactArithmetic('x');
}
TEST(ArithmeticOracle, MultiplyByFraction) {
    SweepMatchesExactArithmetic('/');
}

// The oracle itself, on results worked out by hand.
TEST(ArithmeticOracle, ExactResultsWorkedByHand) {
    const struct {
        Term term;
        Operation op;
        std::string sentence;
    } rows[] = {
        {{5, 0, 0, 10}, {"", 7, 6}, " 5 anos, 10 meses e  0 dia, e  11 dias-multa"},
        {{1, 0, 0, 0}, {"", -1, 6}, "-0 ano, -2 m\xEAs e  0 dia"},
        {{1, 0, 0, 0}, {"", -1, 9}, "-0 ano, -1 m\xEAs e -10 dia"},
        {{0, 0, 0, 10}, {"", -1, 20}, " -0 dia-multa"},
        {{0, 0, 0, 66666}, {"", 3, 2}, "66666 dias-multa"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Exact(row.term, row.op).sentence, row.sentence);
    }
}

} // namespace
} // namespace zarn
