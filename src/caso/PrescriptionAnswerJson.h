#pragma once

// The prescription's answer as the JSON object zarn-calc prescricao --json prints: the date of
// the calculation and, crime by crime in the document's order, each kind of prescription with
// its period, its intervals and its verdict.

#include "caso/JsonText.h"
#include "prescription/PrescriptionReport.h"

namespace zarn {

JsonValue PrescriptionReportJson(const PrescriptionReport& report);

} // namespace zarn
