#pragma once

// The third phase (CP art. 68): the causas de aumento and de diminuicao in cascade, each on
// the result of the one before, in the order the options give; with several causes of the
// special part, optionally only the one that increases or decreases most. The term may leave
// the range.

#include "sentencing/PhaseContext.h"

namespace zarn {

PhaseOutcome FixPenaDefinitiva(const CrimeContext& context, const TermAmount& provisoria);

} // namespace zarn
