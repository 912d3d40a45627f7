#pragma once

// The checks a prescription input must pass before any period is counted: every date in the
// calendar and none after the date of the calculation, a date for every fact, no marco
// before a fact, terms of at least a day, final judgments after a condemnatory decision and
// in their order, suspensions that end after they start.

#include "prescription/PrescriptionInput.h"

#include <string>

namespace zarn {

// The message of the first item at fault, naming its place ("prescricao.marcos[2]: ...");
// empty when the input can be analysed.
std::string PrescriptionInputError(const PrescriptionInput& input);

// The input with every date cut to its whole day, as the analysis counts it.
PrescriptionInput WithWholeDays(PrescriptionInput input);

} // namespace zarn
