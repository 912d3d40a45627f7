#pragma once

// Prescription by dates (law.md 9 and 12): for each crime, every kind the marcos allow, with
// its period, its intervals and its verdict. Never throws: an input it cannot take is
// refused with the message of the first item at fault.

#include "prescription/PrescriptionInput.h"
#include "prescription/PrescriptionReport.h"

namespace zarn {

PrescriptionOutcome AnalysePrescription(const PrescriptionInput& input);

} // namespace zarn
