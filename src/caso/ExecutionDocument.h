#pragma once

// The execution's part of a case document (caso.md `condenacoes`, `periodos`, `eventos`,
// `regime_inicial`; law.md 10, 11), read into the execution's input and written back in
// caso.md's order. Each key is read with its type and range, each event with the keys of its
// `tipo` only; what the execution itself refuses (overlapping periods, an escape inside a
// period...) is its ValidateExecutionCase's, with the same places. The date of the
// calculation, the convention and the options are the document's (CaseDocument.h).

#include "caso/DocumentNode.h"
#include "execution/ExecutionCase.h"

#include <optional>

namespace zarn {

// `document` is the document's top level; `birth` its date of birth, which gives the facts of
// a conviction their age where they are not given. None when the document holds no
// conviction, period or event and no initial regime.
std::optional<ExecutionCase> ReadExecutionSection(const DocumentNode& document,
                                                  std::optional<DayNumber> birth);

// The execution's keys put into the document's top level `document`.
void WriteExecutionSection(const ExecutionCase& execution, std::optional<DayNumber> birth,
                           JsonValue& document);

} // namespace zarn
