#pragma once

// The execution's part of a case document (caso.md: `condenacoes`, `periodos`, `eventos`,
// `regime_inicial`, and the options `imputacao`, `livramento_vedado` and `limite_art75`).
// Until the execution library is in this tree, a document's execution part is checked for its
// shape only — each list a list of objects, the regime a regime or null, each option one of its
// values — so that a document holding it is read, its other sections used, and a misspelt
// value still refused by its place; what it holds is not kept, and a document written back
// leaves it out.

#include "caso/DocumentNode.h"

namespace zarn {

// `document` is the document's top level.
void ReadExecutionSection(const DocumentNode& document);

} // namespace zarn
