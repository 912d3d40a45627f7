#pragma once

// The consequences of a term as a Portuguese text (Windows-1252): one short paragraph per
// answer, each citing its article, then the convention used and the closing line.

#include "law/CaseFacts.h"
#include "law/Consequences.h"

#include <string>

namespace zarn {

std::string WriteConsequences(const Consequences& answers, const CaseFacts& facts);

} // namespace zarn
