#pragma once

// The section `prescricao` of a case document (caso.md; law.md 9, 12): its crimes, marcos and
// suspensions, read into the prescription's input and written back. The date of birth, the
// date of the calculation and the option beside the section are the document's
// (CaseDocument.h).

#include "caso/DocumentNode.h"
#include "prescription/PrescriptionInput.h"

namespace zarn {

PrescriptionInput ReadPrescriptionSection(const DocumentNode& prescricao);

JsonValue WritePrescriptionSection(const PrescriptionInput& input);

} // namespace zarn
