#pragma once

// The answers of the analyses as the JSON objects zarn-calc prints with --json: the keys in
// the order given, texts in UTF-8, dates as "dd/mm/aaaa", null where an answer does not apply.

#include "caso/JsonText.h"
#include "law/Consequences.h"
#include "law/ExecutionDates.h"

namespace zarn {

JsonValue ConsequencesJson(const Consequences& answers);

// The dates of one term from its start (zarn-calc execucao with its positional arguments).
JsonValue ExecutionDatesJson(const ExecutionDates& dates);

// The notes of an answer, a list of texts.
JsonValue JsonTexts(const std::vector<std::string>& texts);

} // namespace zarn
