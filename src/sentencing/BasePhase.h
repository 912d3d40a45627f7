#pragma once

// The first phase (CP art. 59): the pena-base from the minimum of the range, each unfavourable
// circumstance adding its share, never beyond the maximum.

#include "sentencing/PhaseContext.h"

namespace zarn {

PhaseOutcome FixPenaBase(const CrimeContext& context);

} // namespace zarn
