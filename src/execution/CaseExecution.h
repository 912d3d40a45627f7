#pragma once

// An execution of several convictions with dated events, answered at the date of the
// calculation under either convention and every option (law.md 10 and 11): the total term,
// the time served and what remains, the imputation of that time to each conviction, the
// data-base and why, the current regime, each progression with its date, parole, the end
// and the end under art. 75, and the readings the answer relied on. With one conviction
// and one period from its start, every date is the single-term tool's
// (law/ExecutionDates.h).

#include "execution/ExecutionAnswer.h"
#include "execution/ExecutionCase.h"

namespace zarn {

// Refuses a case that does not hold together, with the message of its first fault; never
// throws.
CaseExecutionResult ComputeCaseExecution(const ExecutionCase& question);

} // namespace zarn
