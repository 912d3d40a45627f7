#pragma once

// The mask strings of the program's fields, shared by the field tests.

#include "fields/ProgramMasks.h"

namespace zarn::test {

using zarn::kDateMask;
using zarn::kFinesMask;
using zarn::kMonthsMask;
using zarn::kOperationMask;
using zarn::kProgramMasks;
using zarn::kYearsMask;
inline constexpr const char* kErrorMask = zarn::kEndDateErrorMask;

} // namespace zarn::test
