#pragma once

// The operation expression: a sign and a fraction such as "+ 1 /6  " (increase by a
// sixth), "- 1 /3  " (reduce by a third) or "x 2 /   " (double).

#include "engine/CalcState.h"

namespace zarn {

// Reads OperationText into Increase, Multiply, Numerator, Denominator and
// InvalidOperation. OperationText is consumed in place: afterwards it holds the text
// without its sign character and without blanks. Every text, of any length, ends either
// with the fraction set or with InvalidOperation set.
void ParseOperation(CalcState& state);

} // namespace zarn
