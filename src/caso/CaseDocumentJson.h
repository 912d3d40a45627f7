#pragma once

// A case document read from its UTF-8 JSON text and written back (caso.md). Reading never
// throws: a document is refused with one message, Windows-1252, that names the place at fault
// and what is wrong ("dosimetria.crimes[1].causas[0].tipo: valor desconhecido \"aumentos\"");
// JSON that does not parse, by its line and column.

#include "caso/CaseDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace zarn {

struct CaseReading {
    std::optional<CaseDocument> Document;
    std::string Error; // empty when the document was read

    bool Ok() const { return Document.has_value(); }
};

// The document as the analyses take it: every key as caso.md gives it, then each section
// checked by its analysis (CaseDocumentFault). The command line reads a case so.
CaseReading ReadCaseDocument(std::string_view utf8);

// The keys alone, without asking the analyses whether they can compute what the document
// holds: for a window reopening a case that is still being filled in.
CaseReading ReadCaseDocumentAsWritten(std::string_view utf8);

// The first refusal of the analyses of the document's sections, with its place in the document
// ("prescricao.marcos[2]: ..."); empty when each analysis can run. A null date of the
// calculation is today.
std::string CaseDocumentFault(const CaseDocument& document);

// UTF-8 JSON in caso.md's key order, in the current version: every key that differs from what a
// reader takes without it.
std::string WriteCaseDocument(const CaseDocument& document);

} // namespace zarn
