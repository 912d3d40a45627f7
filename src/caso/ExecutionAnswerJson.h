#pragma once

// The answer of an execution of several convictions (law.md 10, 11) as the JSON object
// zarn-calc execucao --caso --json prints: the totals at the date of the calculation, the
// regime as recorded, the data-base and why, each progression and parole with their dates, the
// ends, the imputation to each conviction and the other orders of imputation that bring the next
// progression earlier. Days are in the convention's units.

#include "caso/JsonText.h"
#include "execution/ExecutionAnswer.h"

namespace zarn {

JsonValue CaseExecutionJson(const CaseExecutionAnswer& answer);

} // namespace zarn
