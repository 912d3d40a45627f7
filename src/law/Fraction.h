#pragma once

// A share of a term as an exact fraction of whole numbers: the parole fractions (1/3, 1/2,
// 2/3), the progression percentages (16/100 ... 1/8) and the changes of a prescription
// period (an increase by 1/3, a halving). Integer arithmetic throughout, so a share of a
// term never suffers a rounding of reals.

#include <string>

namespace zarn {

struct Fraction {
    long long Numerator = 0;
    long long Denominator = 1;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// floor(amount x fraction) for amount >= 0: of days, the fraction of a day is dropped
// (CP art. 11).
long long ShareOf(long long amount, Fraction share);

// "1/3".
std::string FractionText(Fraction share);

// The fraction as a percentage, with the decimal mark given where it is not whole:
// 16/100 is "16", 1/8 is "12,5" (or "12.5"). Written to the tenth, which every share of
// the tables is exact to.
std::string PercentText(Fraction share, char decimalMark);

} // namespace zarn
