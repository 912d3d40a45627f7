#pragma once

// The section `dosimetria` of a case document (caso.md; law.md 13, 14): its crimes and the
// concurso, read into the dosimetria's input and written back. Its options are the document's
// `opcoes` (CaseDocument.h); an enum of the dosimetria read or written by its name in the
// document (SentencingNames.h).

#include "caso/DocumentNode.h"
#include "sentencing/SentencingInput.h"
#include "sentencing/SentencingNames.h"

namespace zarn {

SentencingInput ReadSentencingSection(const DocumentNode& dosimetria);

JsonValue WriteSentencingSection(const SentencingInput& input);

// A value of one of the dosimetria's enums, by its name in the document.
template <typename Enum>
Enum ReadSentencingName(const DocumentNode& node) {
    return node.Choice(NamesOf(Enum{}), &EnumName<Enum>::Value, &EnumName<Enum>::CasoName);
}

} // namespace zarn
