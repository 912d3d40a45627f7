#pragma once

// The second phase (CP arts. 61 to 67): the agravantes and atenuantes on the pena-base, after
// confissao and reincidencia compensate each other, summed and applied once or applied in
// cascade, never below the minimum (Sumula 231) nor above the maximum.

#include "sentencing/PhaseContext.h"

namespace zarn {

PhaseOutcome FixPenaProvisoria(const CrimeContext& context, const TermAmount& base);

} // namespace zarn
