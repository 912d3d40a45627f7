#pragma once

// The dates of a term's execution as a Portuguese text (Windows-1252): the start, each
// progression, parole and the end, each citing its article, then the convention used and
// the closing line.

#include "law/ExecutionDates.h"

#include <string>

namespace zarn {

std::string WriteExecution(const ExecutionDates& dates);

} // namespace zarn
