#pragma once

// The applied fraction: which of the usual operations the calculator itself turns one
// term into another with, and the change between the two terms as a percentage. Read
// the other way round, it checks which fraction a sentence applied ("pena-base de 5 anos,
// aumentada para 5 anos e 10 meses" is "+ 1/6"), with the calculator's own truncation.

#include "engine/CalcState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

// A term as its three masked fields give it: years (3 characters), months and days (2),
// blanks where empty.
struct TermTexts {
    std::string Years;
    std::string Months;
    std::string Days;
};

// The two terms compared: the one the operation starts from, and the one it gave.
enum class TermSide { Before, After };

// Their names, as the window's rows and the command line's messages call them.
inline constexpr std::string_view kBeforeTermName = "Antes";
inline constexpr std::string_view kAfterTermName = "Depois";

inline std::string_view TermName(TermSide side) {
    return side == TermSide::Before ? kBeforeTermName : kAfterTermName;
}

struct FractionAnswer {
    bool Ok = false;
    // When not Ok: the calculator's own message, and the term and field at fault.
    std::string ErrorText;
    TermSide FaultTerm = TermSide::Before;
    InputField FaultField = InputField::Years;
    // Each operation that gives exactly the resulting term, as "+ 1/6" or "- 1/3": by
    // denominator, then numerator, an increase before the reduction of the same fraction.
    std::vector<std::string> Matches;
    // A starting term of zero days: every operation gives zero, so none is listed.
    bool StartIsZero = false;
    // The change in days as a signed percentage of the starting term, "+16,67%", or the
    // no-variation text for a starting term of zero.
    std::string Variation;
};

// Reads both terms with the calculator's field rules and runs every usual operation on
// the starting term through RunCalculation: increases "+ N/D" with 0 < N/D <= 2 and
// reductions "- N/D" with 0 < N/D < 1, in lowest terms, D from 1 to 12. A match has the
// result's years, months and days all equal to the resulting term's. Never throws on any
// input text.
FractionAnswer FindAppliedFraction(const TermTexts& before, const TermTexts& after);

// The lines to show: the error message alone; or each match (the no-match or zero-start
// line when there is none), then the variation line.
std::vector<std::string> AnswerLines(const FractionAnswer& answer);

// The two terms of the last Calcula that gave a result: the term it started from (its
// cleaned inputs, "0" left empty, as Volta brings them back) and the term it gave (its
// results without blanks, "0" left empty, as Continua carries them). A result wider than
// its field is not cut to its first digits: the resulting term is left empty and
// ResultFits says why.
struct CalculationTerms {
    TermTexts Before;
    TermTexts After;
    bool ResultFits = true;
};

// Nothing when the last Calcula gave no result (none yet, or an input error). The record
// itself is only read.
std::optional<CalculationTerms> LastCalculationTerms(const CalcState& state);

} // namespace zarn
