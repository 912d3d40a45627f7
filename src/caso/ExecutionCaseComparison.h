#pragma once

// The execution's input compared member by member, so that a case document holding one can be
// compared as a whole (a document read back is the document written). The execution library
// gives its structs no comparison; each one here binds every member by name, so that a member
// added there stops this from compiling until it is compared too.

#include "execution/ExecutionCase.h"

namespace zarn {

bool operator==(const Conviction& a, const Conviction& b);
bool operator==(const ServingPeriod& a, const ServingPeriod& b);
bool operator==(const ExecutionEvent& a, const ExecutionEvent& b);
bool operator==(const ExecutionCase& a, const ExecutionCase& b);

} // namespace zarn
