#pragma once

// The prescription of the executive claim (law.md 12): from the final judgment (for the
// prosecution, or for both parties after STF Tema 788) to the start of serving or the date
// of the calculation, interrupted by serving and by a new crime, and running again from an
// escape or a revocation by what is left of the term.

#include "prescription/CrimeCase.h"
#include "prescription/PrescriptionReport.h"

#include <vector>

namespace zarn {

// One analysis for each stretch in which the period runs on the same term: a new one after
// each spell of serving, on what is left. None until the executoria starts.
std::vector<PrescriptionAnalysis> ExecutoriaAnalyses(const CrimeCase& crimeCase);

} // namespace zarn
