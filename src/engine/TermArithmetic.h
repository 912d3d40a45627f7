#pragma once

// Term arithmetic for the analyses that work on whole terms rather than on the main window's
// fields: a term increased or reduced by a fraction, computed by the very code Calcula runs
// (ComputeTerm and ComputeFines on a calculation record), so that the same step typed in the
// main window gives the same result to the day; and the sum and difference of terms. None of
// the main window's input limits applies here: a term of any number of years, and months
// and days above 11 and 29 on the way in, are split on the 360/30 base first.

#include "engine/TermText.h"

#include <string>

namespace zarn {

// A custodial term in days on the 360/30 base, and a number of day-fines.
struct TermAmount {
    long long Days = 0;
    long long Fines = 0;

    friend bool operator==(const TermAmount&, const TermAmount&) = default;
};

// An increase or a reduction by Numerator/Denominator: the operation "+ N/D" or "- N/D".
struct FractionStep {
    bool Increase = true;
    long long Numerator = 0;
    long long Denominator = 1;

    friend bool operator==(const FractionStep&, const FractionStep&) = default;
};

// Calcula works in 64-bit reals. A step of N/D on an amount A is exact, its truncation never
// pushed across a whole day by rounding, while |A| x (N + D) stays below this bound: the
// rounding of the real quotient and sum is then smaller than the least fraction 1/D.
inline constexpr long long kExactStepBound = 1LL << 52;

// Whether ApplyStep gives the exact truncated result for this term and step: a positive
// denominator, a numerator not below zero, and the days and the day-fines each within
// kExactStepBound.
bool IsExactStep(const TermAmount& term, const FractionStep& step);

// The term after the step, as Calcula gives it: the days floor(T x (D +- N) / D) split and
// truncated part by part, the day-fines by ComputeFines (truncated, at most 66666). A
// reduction beyond the whole gives parts below zero, as the result sentence shows them.
TermAmount ApplyStep(const TermAmount& term, const FractionStep& step);

TermAmount AddTerms(const TermAmount& first, const TermAmount& second);
TermAmount SubtractTerms(const TermAmount& from, const TermAmount& taken);

// Years, months and days on the 360/30 base, and the day-fines.
TermParts PartsOf(const TermAmount& term);

// The step as typed into the main window's operation field: sign, blank, the numerator in two
// places, "/", the denominator in three ("+ 1 /6  "); empty when the numerator passes 99 or
// the denominator 999, which the field cannot hold.
std::string OperationFieldText(const FractionStep& step);

} // namespace zarn
