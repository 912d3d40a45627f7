#pragma once

// The operation expression: a sign and a fraction such as "+ 1 /6  " (increase by a
// sixth), "- 1 /3  " (reduce by a third) or "x 2 /   " (double).

#include "engine/CalcState.h"

#include <string_view>

namespace zarn {

// Reads OperationText into Increase, Multiply, Numerator, Denominator and
// InvalidOperation. OperationText is consumed in place: afterwards it holds the text
// without its sign character and without blanks. Every text, of any length, ends either
// with the fraction set or with InvalidOperation set.
void ParseOperation(CalcState& state);

// A multiplication typed without a denominator, or with the denominator "0", multiplies by
// the whole number before the "/". The test is on the text: "00" is a zero denominator.
bool IsWholeMultiplier(std::string_view denominatorText);

} // namespace zarn
