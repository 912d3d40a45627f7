#pragma once

// Exact sums, differences and comparisons of fractions, for the agravantes and atenuantes
// summed before they are applied once (law.md 13). A result is in lowest terms with a positive
// denominator; none when 64 bits cannot hold it.

#include "law/Fraction.h"

#include <optional>

namespace zarn {

std::optional<Fraction> AddFractions(Fraction first, Fraction second);
std::optional<Fraction> SubtractFractions(Fraction from, Fraction taken);

// first < second, for positive denominators.
bool IsLess(Fraction first, Fraction second);

// The fraction without its sign: 1/6 for -1/6.
Fraction Magnitude(Fraction fraction);

} // namespace zarn
